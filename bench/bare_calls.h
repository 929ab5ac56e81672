// What the program has to ask of the window system, made bare: the references that the
// simulated measures are held against, so that a figure tells the program's own cost, not the
// machine's.
#pragma once

#include <string_view>

#include "platform/window_system.h"

namespace kn::bench {

// The room search: the first open window holding the four chat room controls.
WindowHandle BareChatRoom(WindowSystem& ws);
// The owner test's walk of the open windows up to the welcome window.
bool BareOwnerTest(WindowSystem& ws);
// A member line: the room search, the transcript's length and text, then the owner test.
void BareLine(WindowSystem& ws);
// A poll of a room that has not changed: the room search, the transcript's length and its
// first bytes, or its whole text when `whole`.
void BareIdlePoll(WindowSystem& ws, bool whole);
// Posting `ansi`: the room search, the input box, its text and Enter.
void BarePost(WindowSystem& ws, std::string_view ansi);

}  // namespace kn::bench
