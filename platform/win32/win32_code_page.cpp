// Both directions go through UTF-16, as the system converters do; U+FFFD from bad UTF-8 has
// no ANSI form and so becomes the code page's default character.
#include "platform/win32/win32_code_page.h"

#include "platform/win32/win32_text.h"

namespace kn {

std::string Win32CodePage::ToAnsi(std::string_view utf8) {
    return win32::ToCodePage(CP_ACP, win32::Widen(utf8));
}

std::string Win32CodePage::FromAnsi(std::string_view ansi) {
    return win32::Narrow(win32::FromCodePage(CP_ACP, ansi));
}

}  // namespace kn
