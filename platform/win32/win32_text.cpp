// UTF-8, UTF-16 and code-page conversions through the Win32 converters, sized by a first call
// that measures and a second that fills.
#include "platform/win32/win32_text.h"

#include <climits>

namespace kn::win32 {

namespace {

int Clamp(std::size_t n) {
    return n > INT_MAX ? INT_MAX : static_cast<int>(n);
}

}  // namespace

std::wstring FromCodePage(UINT cp, std::string_view bytes) {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(cp, 0, bytes.data(), Clamp(bytes.size()), nullptr, 0);
    std::wstring out(n, L'\0');
    MultiByteToWideChar(cp, 0, bytes.data(), Clamp(bytes.size()), out.data(), n);
    return out;
}

// No best-fit mapping: a character the code page lacks must come out as its default
// character, never as a look-alike.
std::string ToCodePage(UINT cp, std::wstring_view wide) {
    if (wide.empty()) return {};
    DWORD flags = cp == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    int n = WideCharToMultiByte(cp, flags, wide.data(), Clamp(wide.size()), nullptr, 0, nullptr,
                                nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(cp, flags, wide.data(), Clamp(wide.size()), out.data(), n, nullptr,
                        nullptr);
    return out;
}

std::wstring Widen(std::string_view utf8) {
    return FromCodePage(CP_UTF8, utf8);
}

std::string Narrow(std::wstring_view wide) {
    return ToCodePage(CP_UTF8, wide);
}

std::string WindowTextUtf8(HWND w) {
    std::wstring text(GetWindowTextLengthW(w) + 1, L'\0');
    text.resize(GetWindowTextW(w, text.data(), static_cast<int>(text.size())));
    return Narrow(text);
}

void SetWindowTextUtf8(HWND w, std::string_view utf8) {
    SetWindowTextW(w, Widen(utf8).c_str());
}

}  // namespace kn::win32
