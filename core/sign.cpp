// The sign's words in their order, each read from what the bridge last found.
#include "core/sign.h"

#include <string>

#include "core/program.h"
#include "windows/forms.h"

namespace kn {

std::string_view SignNow(Program& p) {
    HostBridge& bridge = p.bridge();
    switch (bridge.reach()) {
        case HostReach::NoHost:
            return sign::kNoHost;
        case HostReach::NoRoom:
            return sign::kNoRoom;
        case HostReach::Room:
            break;
    }
    if (!bridge.SignedOn()) return sign::kSignedOff;
    if (bridge.posted().Unheard(p.gui().Now())) return sign::kUnheard;
    return sign::kOk;
}

void UpdateSign(Program& p) {
    const std::string_view now = SignNow(p);
    const Control& shown = p.form1().Label6;
    if (shown.Text() != now) shown.SetText(now);
}

}  // namespace kn
