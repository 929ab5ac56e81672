// Conversions between the program's UTF-8 and the UTF-16 of the wide Win32 functions, and
// the wide window texts read and written in UTF-8.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace kn::win32 {

// Invalid UTF-8 becomes U+FFFD; unpaired surrogates in UTF-16 do too.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// The same between a code page's bytes and UTF-16.
std::wstring FromCodePage(UINT cp, std::string_view bytes);
std::string ToCodePage(UINT cp, std::wstring_view wide);

// The WideCharToMultiByte flags for the code page `cp` (never CP_ACP): no best-fit
// look-alikes, where the code page accepts that flag at all.
DWORD ConversionFlags(UINT cp);

std::string WindowTextUtf8(HWND w);
void SetWindowTextUtf8(HWND w, std::string_view utf8);

}  // namespace kn::win32
