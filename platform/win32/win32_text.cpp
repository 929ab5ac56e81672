// UTF-8, UTF-16 and code-page conversions through the Win32 converters, sized by a first call
// that measures and a second that fills.
#include "platform/win32/win32_text.h"

#include <algorithm>
#include <climits>

namespace kn::win32 {

namespace {

int Clamp(std::size_t n) {
    return n > INT_MAX ? INT_MAX : static_cast<int>(n);
}

// The code pages whose WideCharToMultiByte takes no flag but WC_ERR_INVALID_CHARS, and
// 57002 to 57011 beside them.
constexpr UINT kFlagless[] = {42, 50220, 50221, 50222, 50225, 50227, 50229, 54936, 65000, 65001};

int Convert(UINT cp, DWORD flags, std::wstring_view wide, char* out, int size) {
    return WideCharToMultiByte(cp, flags, wide.data(), Clamp(wide.size()), out, size, nullptr,
                               nullptr);
}

}  // namespace

std::wstring FromCodePage(UINT cp, std::string_view bytes) {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(cp, 0, bytes.data(), Clamp(bytes.size()), nullptr, 0);
    std::wstring out(n, L'\0');
    MultiByteToWideChar(cp, 0, bytes.data(), Clamp(bytes.size()), out.data(), n);
    return out;
}

DWORD ConversionFlags(UINT cp) {
    const bool flagless =
        std::ranges::find(kFlagless, cp) != std::end(kFlagless) || (cp >= 57002 && cp <= 57011);
    return flagless ? 0 : WC_NO_BEST_FIT_CHARS;
}

// No best-fit mapping where the code page allows it: a character the code page lacks must
// come out as its default character, never as a look-alike.
std::string ToCodePage(UINT cp, std::wstring_view wide) {
    if (wide.empty()) return {};
    // Windows fails the call with ERROR_INVALID_FLAGS on a refused flag; Wine ignores it.
    DWORD flags = ConversionFlags(cp == CP_ACP ? GetACP() : cp);
    int n = Convert(cp, flags, wide, nullptr, 0);
    // A page the table misses fails the call: look-alikes are better than an empty line.
    if (n == 0 && flags != 0) {
        flags = 0;
        n = Convert(cp, flags, wide, nullptr, 0);
    }
    std::string out(n, '\0');
    Convert(cp, flags, wide, out.data(), n);
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
