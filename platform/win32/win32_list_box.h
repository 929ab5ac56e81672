// The program's list boxes: a horizontal scroll bar as wide as the longest line, so no line is
// cut off at the list's right edge.
#pragma once

#include <windows.h>

namespace kn::win32 {

// Styles a list box made with them needs besides its own.
inline constexpr DWORD kListBoxScrollStyles = WS_VSCROLL | WS_HSCROLL;

// Keeps `list`'s horizontal extent that of its longest line in its font: now, and whenever a
// line is added, inserted or removed, the lines are cleared or the font changes (with the DPI).
void KeepExtentToLongestLine(HWND list);

}  // namespace kn::win32
