// A form's top-level window without its controls: its class, styles, fixed client size and
// opening place, as the design's style asks.
#pragma once

#include <windows.h>

#include "platform/gui_runtime.h"

namespace kn::win32 {

// The hidden window of `design` with `proc` as window procedure; `param` arrives as the
// lpCreateParams of WM_NCCREATE.
HWND CreateFormFrame(const FormDesign& design, WNDPROC proc, void* param);

}  // namespace kn::win32
