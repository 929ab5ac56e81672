// The DPI a window is drawn at. Each window follows its own monitor's DPI from Windows 10 on
// (the manifest asks for per-monitor awareness); before, all follow the system's. The functions
// that tell are newer than Windows XP, so they are looked up at run time.
#pragma once

#include <windows.h>

namespace kn::win32 {

// Sent by Windows 8.1 and later when a window's DPI changes; the XP headers of the 32-bit build
// don't have it.
inline constexpr UINT kDpiChanged = 0x02E0;
// Sent by Windows 10 1703 and later, before kDpiChanged, for the size the window will take
// at the new DPI (wParam); lParam points to a SIZE to fill in, TRUE if filled.
inline constexpr UINT kGetDpiScaledSize = 0x02E4;

// The system's DPI: the primary monitor's when the program started; 96 at 100%.
int SystemDpi();

// The DPI of the monitor `w` is on, as Windows draws it; the system's where Windows can't tell.
int WindowDpi(HWND w);

// The small icon's size (SM_CXSMICON) at the DPI of the monitor `w` is on.
int SmallIconSize(HWND w);

// The window rectangle, at the origin, of a client area of `width` x `height` pixels with the
// frame of `style` and `ex_style` drawn at `dpi`.
RECT FrameForClient(int width, int height, DWORD style, DWORD ex_style, int dpi);

// The GUI font at `dpi`, or null at the system's DPI, where the stock font itself serves (and
// must not be deleted).
HFONT CreateGuiFont(int dpi);

}  // namespace kn::win32
