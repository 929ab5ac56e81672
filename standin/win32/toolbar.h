// The host's toolbar: "AOL Toolbar", its inner "_AOL_Toolbar", the keyword box
// "_AOL_Combobox" and the box's "Edit" field, where Enter goes to a keyword.
#pragma once

#include <windows.h>

namespace standin {

class Host;

inline constexpr int kToolbarHeight = 32;

void RegisterToolbarClasses(HINSTANCE instance);

// The toolbar chain as a child of `frame`.
void CreateToolbar(HWND frame, Host& host);

// The frame's toolbar window, or null.
HWND ToolbarOf(HWND frame);

}  // namespace standin
