// The simulator's ANSI code page, Windows-1252, converted with the C library's iconv the way
// MultiByteToWideChar and WideCharToMultiByte (without best-fit mapping) convert it.
#pragma once

#include <iconv.h>

#include <string>
#include <string_view>

#include "platform/code_page.h"

namespace kn {

// Holds its two iconv descriptors for its whole life: opening one costs far more than a
// conversion of a chat line. One object serves one thread at a time.
class IconvCodePage : public CodePage {
  public:
    // Throws std::runtime_error when the C library lacks either conversion.
    IconvCodePage();
    ~IconvCodePage() override;
    IconvCodePage(const IconvCodePage&) = delete;
    IconvCodePage& operator=(const IconvCodePage&) = delete;

    std::string ToAnsi(std::string_view utf8) override;
    std::string FromAnsi(std::string_view ansi) override;

  private:
    iconv_t to_ansi_;
    iconv_t from_ansi_;
};

}  // namespace kn
