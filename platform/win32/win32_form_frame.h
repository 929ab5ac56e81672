// A form's top-level window without its controls: its class, styles, fixed client size and
// opening place, as the design's style asks.
#pragma once

#include <windows.h>

#include "platform/gui_runtime.h"
#include "platform/win32/win32_handles.h"

namespace kn::win32 {

// The hidden window of `design` with `proc` as window procedure; `param` arrives as the
// lpCreateParams of WM_NCCREATE. It is sized for the system's DPI; FrameSize gives the size for
// the DPI that Windows then draws it at.
HWND CreateFormFrame(const FormDesign& design, WNDPROC proc, void* param);

// What the mouse is over at a point of a window of `design` where DefWindowProc found
// `found`: on a skinned form, the skin itself (not a button, not the field) is its caption,
// so dragging it moves the window.
LRESULT HitTest(const FormDesign& design, LRESULT found);

// A window's own icons, loaded at its DPI; they must outlive their window or be replaced on it.
struct FormIcons {
    OwnedIcon small_icon, big_icon;
};

// The design's icon on `frame` at the sizes for `dpi` (the class's are the system DPI's), for
// the taskbar and Alt+Tab of a monitor of another scale. The caller keeps the icons until the
// next ones are set or the window goes.
FormIcons SetIcons(HWND frame, const FormDesign& design, int dpi);

// The size of `frame`, a window of `design`, whose client area is the design's at `dpi`.
SIZE FrameSize(const FormDesign& design, HWND frame, int dpi);

}  // namespace kn::win32
