// Telling who the owner is: the host client's welcome window carries the signed-on screen
// name in its title, "Welcome, NAME!".
#include "bridge/host_bridge.h"
#include "bridge/host_windows.h"
#include "platform/code_page.h"
#include "platform/gui_runtime.h"

namespace kn {

namespace {
constexpr std::string_view kWelcome = "Welcome, ";

// A host may report a length larger than what it then copies; keep only what it copied.
std::string AnsiTitle(WindowSystem& ws, WindowHandle w) {
    return ws.Title(w, ws.TitleLength(w) + 1);
}
}  // namespace

std::string HostBridge::GetOwnScreenName() {
    // "Welcome, " is ASCII, spelled alike in every ANSI code page: only the welcome window's
    // title is worth converting, and every line walks all the host's windows.
    std::string ansi;
    const auto welcome = [&](WindowHandle w) {
        ansi = AnsiTitle(ws_, w);
        return ansi.starts_with(kWelcome);
    };
    if (FirstOpenWindow(ws_.FindTopLevel(host_class::kFrame), welcome) == 0) return {};
    const std::string title = cp_.FromAnsi(ansi);
    const std::size_t bang = title.find('!', kWelcome.size());
    // Without the "!" the title names nobody; an empty name never matches a speaker.
    if (bang == std::string::npos) return {};
    return title.substr(kWelcome.size(), bang - kWelcome.size());
}

bool HostBridge::SignedOn() {
    const double now = gui_.Now();
    if (signed_on_asked_ < 0 || now - signed_on_asked_ >= kSignedOnEvery) {
        signed_on_ = !GetOwnScreenName().empty();
        signed_on_asked_ = now;
    }
    return signed_on_;
}

}  // namespace kn
