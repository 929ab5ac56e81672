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

// Twips to pixels at 15 twips a pixel, rounded.
inline int TwipsToPixels(int twips) {
    return (twips + 7) / 15;
}

// The controls in design order; a control's identifier is kFirstControlId plus its index.
std::vector<FormControl> CreateControls(HWND form, const std::vector<ControlDesign>& designs);

}  // namespace kn::win32
