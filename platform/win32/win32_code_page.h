// The system ANSI code page (CP_ACP) on the window-system side of the program, UTF-8 on the
// program's side.
#pragma once

#include "platform/code_page.h"

namespace kn {

class Win32CodePage final : public CodePage {
  public:
    std::string ToAnsi(std::string_view utf8) override;
    std::string FromAnsi(std::string_view ansi) override;
};

}  // namespace kn
