// Finding the chat room among the host client's open windows, front to back, by the four
// controls that only a chat room holds.
#include "bridge/host_bridge.h"
#include "bridge/host_windows.h"

namespace kn {

bool HostBridge::IsChatRoom(WindowHandle candidate) {
    for (const char* cls :
         {host_class::kTranscript, host_class::kCombobox, host_class::kIcon, host_class::kStatic}) {
        if (ws_.FindChild(candidate, 0, cls) == 0) return false;
    }
    return true;
}

WindowHandle HostBridge::FindChatRoom() {
    reach_ = HostReach::NoHost;
    const WindowHandle frame = ws_.FindTopLevel(host_class::kFrame);
    if (frame == 0) return 0;
    reach_ = HostReach::NoRoom;
    const WindowHandle mdi = ws_.FindChild(frame, 0, host_class::kMdiClient);
    if (mdi == 0) return 0;
    for (WindowHandle child = ws_.FindChild(mdi, 0, host_class::kChild); child != 0;
         child = ws_.FindChild(mdi, child, host_class::kChild)) {
        if (IsChatRoom(child)) {
            reach_ = HostReach::Room;
            return child;
        }
    }
    return 0;
}

}  // namespace kn
