// Conversion between the program's UTF-8 strings and the system ANSI code page, in which the
// window system and the profile functions take their text.
#pragma once

#include <string>
#include <string_view>

namespace kn {

class CodePage {
  public:
    virtual ~CodePage() = default;

    // UTF-8 to the ANSI code page. A character the code page lacks, and any byte that is not
    // valid UTF-8, becomes the code page's default character ('?').
    virtual std::string ToAnsi(std::string_view utf8) = 0;

    // The ANSI code page to UTF-8. Every byte maps to some character (bytes that the code page
    // leaves undefined map to the control character of the same value), so nothing is lost.
    virtual std::string FromAnsi(std::string_view ansi) = 0;
};

}  // namespace kn
