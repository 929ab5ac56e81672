// Typing a keyword into the host client's toolbar keyword box, which takes the host there;
// with the private-room link in front of a name, into that private room.
#include "bridge/host_bridge.h"
#include "bridge/host_windows.h"
#include "platform/code_page.h"

namespace kn {

void HostBridge::RunKeyword(std::string_view keyword) {
    WindowHandle w = ws_.FindTopLevel(host_class::kFrame);
    for (const char* cls : {host_class::kToolbar, host_class::kInnerToolbar, host_class::kCombobox,
                            host_class::kKeywordEdit}) {
        if (w == 0) return;
        w = ws_.FindChild(w, 0, cls);
    }
    if (w == 0) return;
    // Whether the host took them is not asked: a keyword is no line in the room, and a missed
    // one goes nowhere, silently.
    ws_.SetText(w, cp_.ToAnsi(keyword));
    ws_.SendChar(w, ' ');
    ws_.SendChar(w, WindowSystem::kEnter);
}

void HostBridge::EnterPrivateRoom(std::string_view room) {
    std::string keyword = kPrivateRoomPrefix;
    keyword += room;
    RunKeyword(keyword);
}

}  // namespace kn
