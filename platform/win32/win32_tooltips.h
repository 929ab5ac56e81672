// Tooltips that name a form's skin buttons, as their images say little on their own.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/win32/win32_form_controls.h"

namespace kn::win32 {

// A tooltip window that shows each skin button's text while the mouse rests on it; null when
// there is no skin button. Not owned by the form: an owned tooltip, topmost as tooltips are,
// takes the form's own topmost place from it (under Wine at least).
HWND AddTooltips(const std::vector<FormControl>& controls);

// A label's tooltip, whose words follow its text: over the label's place in the form, as a
// label lets the mouse through to the form. The tooltip is told its new text and place with
// UpdateTextTip, after each change of the label's text and after each layout.
void UpdateTextTip(HWND tips, const FormControl& label);

}  // namespace kn::win32
