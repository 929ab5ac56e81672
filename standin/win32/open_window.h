// The host's open windows ("AOL Child", MDI children): chat rooms, the welcome window and
// plain ones. A chat room's window owns its ChatRoom and deletes it when it goes.
#pragma once

#include <windows.h>

#include <string_view>

namespace standin {

void RegisterOpenWindowClass(HINSTANCE instance);

// A new open window in front of the others, active.
HWND CreateOpenWindow(HWND mdi, HINSTANCE instance, std::wstring_view title, const RECT& place);

}  // namespace standin
