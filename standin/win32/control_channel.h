// The control channel: one line at a time, in the script's words without a time, sent to the
// host in WM_COPYDATA, so that tests can drive the host as a script drives the simulated one.
#pragma once

#include <windows.h>

#include <string_view>

namespace standin {

class Host;

// Runs one line: "owner TEXT", "chat NAME: TEXT", "draft TEXT", "host signon NAME",
// "host signoff", "host title TEXT", "host room open", "host room close", "host window TITLE",
// "host decoy nested", "host decoy partial", "host quit", "host start", "host hang SECONDS",
// "host line-end CRLF|CR|LF".
// The argument is everything after the single blank behind the verb's words, blanks kept.
// False when the line names no verb, its argument does not fit, or the host had nothing to do
// it to. A hang starts just after the line has been answered and keeps the host from pumping
// any message for 1 to 600 whole seconds; the record shows "hang SECONDS", then "hang over".
bool RunControlLine(Host& host, std::wstring_view line);

// WM_COPYDATA's handling, for the frame and the control window: TRUE when the line was done.
LRESULT OnCopyData(Host& host, LPARAM lp);

void RegisterControlWindowClass(HINSTANCE instance);
// The hidden control window, which outlives the frame.
HWND CreateControlWindow(Host& host);

}  // namespace standin
