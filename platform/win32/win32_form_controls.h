// The child controls of a form, created from its design: one Win32 control per design entry,
// placed in pixels, in its container, with the GUI font, and tab stops in the design's order.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/gui_runtime.h"

namespace kn::win32 {

struct FormControl {
    std::string name;
    ControlKind kind;
    HWND hwnd;
};

// The screen's pixels per inch, across (cx) and down (cy), as the system gives them to a
// DPI-aware program: 96 at 100%, 144 at 150%.
SIZE ScreenDpi();

// Twips, 1440 to the inch, to pixels at `dpi`, rounded: 15 twips a pixel at 96 DPI.
inline int TwipsToPixels(int twips, int dpi) {
    return (twips * dpi + 720) / 1440;
}

// The controls in design order; a control's identifier is kFirstControlId plus its index.
std::vector<FormControl> CreateControls(HWND form, const std::vector<ControlDesign>& designs);

}  // namespace kn::win32
