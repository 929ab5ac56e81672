// Posting a line into the chat room, and the pause that always stands between two lines.
#include <algorithm>

#include "bridge/host_bridge.h"
#include "bridge/host_windows.h"
#include "platform/code_page.h"
#include "platform/gui_runtime.h"

namespace kn {

namespace {

// A box Enter left full holds what the host refused or what the owner typed since; either
// way it is not ours to overwrite, nor is a box that does not say. The caret goes back where
// the owner was typing: a byte count is never fewer than the characters, and the box stops it
// at the end. A box that misses the put-back loses the draft, silently like any lost message.
void PutBackDraft(WindowSystem& ws, WindowHandle input, const std::string& draft) {
    if (draft.empty() || ws.TextLength(input) != std::optional<std::size_t>(0)) return;
    ws.SetText(input, draft);
    ws.SetCaret(input, draft.size());
}

}  // namespace

void HostBridge::ChatSend(std::string_view line) {
    // No room: the line is lost, as the owner expects of a closed room; the sign says so.
    const WindowHandle room = FindChatRoom();
    const WindowHandle input = room ? ws_.FindChild(room, 0, host_class::kInputBox) : 0;
    if (input == 0) return posted_.Lost();
    // The owner may be halfway through typing a line of their own; keep it.
    const std::optional<std::size_t> length = ws_.TextLength(input);
    const std::string draft = length ? ws_.Text(input, *length + 1).value_or("") : "";
    const std::string ansi = cp_.ToAnsi(line);
    const bool taken = ws_.SetText(input, ansi);
    const bool entered = ws_.SendChar(input, WindowSystem::kEnter);
    if (taken && entered) {
        posted_.Delivered(cp_.FromAnsi(ansi), gui_.Now());
    } else {
        posted_.Lost();
    }
    PutBackDraft(ws_, input, draft);
}

void HostBridge::Pause(double seconds) {
    const double start = gui_.Now();
    for (;;) {
        const double left = seconds - (gui_.Now() - start);
        if (left <= 0) return;
        gui_.WaitForEvents(left);
    }
}

}  // namespace kn
