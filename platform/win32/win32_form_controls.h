// The child controls of a form, created from its design: one Win32 control per design entry,
// in its container, tab stops in the design's order, and placed in pixels at a DPI, again
// whenever the DPI changes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/gui_runtime.h"

namespace kn::win32 {

struct FormControl {
    ControlKind kind;
    HWND hwnd;
    TwipRect pos;
    HWND label = nullptr;  // the unseen label that names it for screen readers, if any
    bool status = false;   // its text is the window's status
    std::string (*tip)(std::string_view text) = nullptr;  // its tooltip for its text
};

// The controls in design order, not yet placed; a control's identifier is kFirstControlId
// plus its index.
std::vector<FormControl> CreateControls(HWND form, const std::vector<ControlDesign>& designs);

// Places every control at `dpi`, with `font` (null: the stock GUI font) and its art drawn anew.
void PlaceControls(const std::vector<FormControl>& controls, int dpi, HFONT font);

}  // namespace kn::win32
