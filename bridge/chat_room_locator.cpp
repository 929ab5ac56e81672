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

WindowHandle HostBridge::FirstOpenWindow(WindowHandle frame,
                                         const std::function<bool(WindowHandle)>& fits) {
    if (frame == 0) return 0;
    const WindowHandle mdi = ws_.FindChild(frame, 0, host_class::kMdiClient);
    if (mdi == 0) return 0;
    for (WindowHandle child = ws_.FindChild(mdi, 0, host_class::kChild); child != 0;
         child = ws_.FindChild(mdi, child, host_class::kChild)) {
        if (fits(child)) return child;
    }
    return 0;
}

WindowHandle HostBridge::FindChatRoom() {
    const WindowHandle frame = ws_.FindTopLevel(host_class::kFrame);
    const WindowHandle room =
        FirstOpenWindow(frame, [this](WindowHandle w) { return IsChatRoom(w); });
    reach_ = room != 0 ? HostReach::Room : frame != 0 ? HostReach::NoRoom : HostReach::NoHost;
    return room;
}

}  // namespace kn
