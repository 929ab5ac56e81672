// A thin pass-through: the A functions already take the ANSI bytes the caller hands over, so
// only the NUL terminators and the result buffer are added here.
#include "platform/win32/win32_profile_store.h"

#include <windows.h>

#include <climits>
#include <vector>

namespace kn {

std::string Win32ProfileStore::GetString(std::string_view section, std::string_view key,
                                         std::string_view fallback, std::size_t capacity,
                                         std::string_view path) {
    DWORD size = capacity > UINT_MAX ? UINT_MAX : static_cast<DWORD>(capacity);
    std::vector<char> buffer(size == 0 ? 1 : size, '\0');
    DWORD n = GetPrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                       std::string(fallback).c_str(), buffer.data(), size,
                                       std::string(path).c_str());
    return std::string(buffer.data(), n);
}

bool Win32ProfileStore::WriteString(std::string_view section, std::string_view key,
                                    std::string_view value, std::string_view path) {
    return WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                      std::string(value).c_str(),
                                      std::string(path).c_str()) != FALSE;
}

}  // namespace kn
