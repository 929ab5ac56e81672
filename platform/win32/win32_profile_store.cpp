// The wide profile functions on the wide path, so that a directory named outside the ANSI code
// page is reached. The ANSI strings are widened by that code page and kernel32 writes a
// non-Unicode file back in it, so the file holds the bytes the A functions would write.
#include "platform/win32/win32_profile_store.h"

#include <windows.h>

#include <climits>
#include <vector>

#include "platform/win32/win32_copy_write.h"
#include "platform/win32/win32_text.h"

namespace kn {

namespace {

std::wstring FromAnsi(std::string_view ansi) {
    return win32::FromCodePage(CP_ACP, ansi);
}

// The longest start of `wide` whose ANSI form fits in `room` bytes: a double-byte or UTF-8
// code page may need more bytes than the characters the W call counted.
std::string AnsiWithin(std::wstring wide, std::size_t room) {
    std::string ansi = win32::ToCodePage(CP_ACP, wide);
    while (ansi.size() > room) {
        wide.pop_back();
        if (!wide.empty() && IS_HIGH_SURROGATE(wide.back())) wide.pop_back();
        ansi = win32::ToCodePage(CP_ACP, wide);
    }
    return ansi;
}

}  // namespace

std::string Win32ProfileStore::GetString(std::string_view section, std::string_view key,
                                         std::string_view fallback, std::size_t capacity,
                                         std::string_view path) {
    DWORD size = capacity > UINT_MAX ? UINT_MAX : static_cast<DWORD>(capacity);
    std::vector<wchar_t> buffer(size == 0 ? 1 : size, L'\0');
    DWORD n = GetPrivateProfileStringW(FromAnsi(section).c_str(), FromAnsi(key).c_str(),
                                       FromAnsi(fallback).c_str(), buffer.data(), size,
                                       win32::Widen(path).c_str());
    return AnsiWithin(std::wstring(buffer.data(), n), size == 0 ? 0 : size - 1);
}

bool Win32ProfileStore::WriteString(std::string_view section, std::string_view key,
                                    std::string_view value, std::string_view path) {
    const std::wstring wide_section = FromAnsi(section), wide_key = FromAnsi(key),
                       wide_value = FromAnsi(value);
    // The entry, and a section header should the section be new: "[S]\r\nK=V\r\n".
    const unsigned long long growth = section.size() + key.size() + value.size() + 8;
    return win32::WriteThroughCopy(win32::Widen(path), growth, [&](const wchar_t* file) {
        return WritePrivateProfileStringW(wide_section.c_str(), wide_key.c_str(),
                                          wide_value.c_str(), file) != FALSE;
    });
}

}  // namespace kn
