// Text conversions of the stand-in host: its windows hold UTF-16, its record and control
// channel speak UTF-8, and the window system converts the program's ANSI text on the way in.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace standin {

std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view utf8);

// The window's whole text or title.
std::wstring WindowText(HWND window);

}  // namespace standin
