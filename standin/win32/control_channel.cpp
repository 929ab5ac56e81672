// Control lines: a verb table as in the simulator's scripts, and the window that receives them.
#include "standin/win32/control_channel.h"

#include <array>
#include <string>

#include "standin/win32/host.h"
#include "standin/win32/standin_ids.h"
#include "standin/win32/text.h"
#include "standin/win32/window_class.h"

namespace standin {

namespace {

enum class Arg { None, Text, Named };

// Posted by "host hang" to the control window: the host stops pumping once the control line
// has been answered, so that whoever sent it is not held up by the hang it asked for.
constexpr UINT kHangMessage = WM_APP + 1;
constexpr unsigned kLongestHang = 600;  // seconds

HWND g_control = nullptr;  // one control window per host process

// Whole seconds from 1 to kLongestHang.
bool HangSeconds(std::wstring_view text, unsigned* seconds) {
    if (text.empty() || text.size() > 3) return false;
    unsigned n = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return false;
        n = n * 10 + static_cast<unsigned>(c - L'0');
    }
    *seconds = n;
    return n >= 1 && n <= kLongestHang;
}

bool PostHang(std::wstring_view text) {
    unsigned seconds = 0;
    return g_control && HangSeconds(text, &seconds) &&
           PostMessageW(g_control, kHangMessage, seconds, 0) != FALSE;
}

// A host that has stopped answering: its one thread sleeps and reads no messages at all.
void Hang(Host& host, unsigned seconds) {
    host.record().Write(L"hang " + std::to_wstring(seconds));
    Sleep(seconds * 1000);
    host.record().Write(L"hang over");
}

struct Verb {
    std::wstring_view words;
    Arg arg;
    bool (*run)(Host&, std::wstring_view first, std::wstring_view second);
};

constexpr std::array kVerbs = {
    Verb{L"host room open", Arg::None, [](Host& h, auto, auto) { return h.OpenRoom(); }},
    Verb{L"host room close", Arg::None, [](Host& h, auto, auto) { return h.CloseRoom(); }},
    Verb{L"host decoy nested", Arg::None,
         [](Host& h, auto, auto) { return h.OpenDecoy(Decoy::Nested); }},
    Verb{L"host decoy partial", Arg::None,
         [](Host& h, auto, auto) { return h.OpenDecoy(Decoy::Partial); }},
    Verb{L"host signon", Arg::Text, [](Host& h, auto a, auto) { return h.SignOn(a); }},
    Verb{L"host signoff", Arg::None, [](Host& h, auto, auto) { return h.SignOff(); }},
    Verb{L"host title", Arg::Text, [](Host& h, auto a, auto) { return h.SetWelcomeTitle(a); }},
    Verb{L"host window", Arg::Text, [](Host& h, auto a, auto) { return h.OpenWindow(a); }},
    Verb{L"host quit", Arg::None,
         [](Host& h, auto, auto) { return h.Running() ? (h.Quit(), true) : false; }},
    Verb{L"host start", Arg::None,
         [](Host& h, auto, auto) { return h.Running() ? false : (h.Start(), true); }},
    Verb{L"host hang", Arg::Text, [](Host&, auto a, auto) { return PostHang(a); }},
    Verb{L"host line-end", Arg::Text, [](Host& h, auto a, auto) { return h.SetLineEnd(a); }},
    Verb{L"owner", Arg::Text, [](Host& h, auto a, auto) { return h.OwnerSays(a); }},
    Verb{L"chat", Arg::Named, [](Host& h, auto a, auto b) { return h.MemberSays(a, b); }},
    Verb{L"draft", Arg::Text, [](Host& h, auto a, auto) { return h.Draft(a); }},
};

bool Run(Host& host, const Verb& verb, bool has_blank, std::wstring_view rest) {
    switch (verb.arg) {
        case Arg::None:
            return !has_blank && verb.run(host, {}, {});
        case Arg::Text:
            return verb.run(host, rest, {});
        case Arg::Named: {
            const std::size_t sep = rest.find(L": ");
            if (sep == std::wstring_view::npos) return false;
            return verb.run(host, rest.substr(0, sep), rest.substr(sep + 2));
        }
    }
    return false;
}

Host* HostOf(HWND w) {
    return reinterpret_cast<Host*>(GetWindowLongPtrW(w, GWLP_USERDATA));
}

LRESULT CALLBACK ControlWindowProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    if (msg == WM_COPYDATA) return OnCopyData(*HostOf(w), lp);
    if (msg == kHangMessage) {
        Hang(*HostOf(w), static_cast<unsigned>(wp));
        return 0;
    }
    return DefWindowProcW(w, msg, wp, lp);
}

}  // namespace

bool RunControlLine(Host& host, std::wstring_view line) {
    for (const Verb& verb : kVerbs) {
        if (!line.starts_with(verb.words)) continue;
        const std::wstring_view after = line.substr(verb.words.size());
        if (!after.empty() && after.front() != L' ') continue;
        return Run(host, verb, !after.empty(), after.empty() ? after : after.substr(1));
    }
    return false;
}

LRESULT OnCopyData(Host& host, LPARAM lp) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
    if (!data || data->dwData != kControlTag) return FALSE;
    std::string_view bytes(static_cast<const char*>(data->lpData), data->cbData);
    if (!bytes.empty() && bytes.back() == '\0') bytes.remove_suffix(1);
    return RunControlLine(host, FromUtf8(bytes)) ? TRUE : FALSE;
}

void RegisterControlWindowClass(HINSTANCE instance) {
    RegisterPlainClass(instance, kControlClass, ControlWindowProc);
}

HWND CreateControlWindow(Host& host) {
    g_control = CreateWindowExW(0, kControlClass, L"stand-in host control", WS_OVERLAPPED, 0, 0, 0,
                                0, nullptr, nullptr, host.instance(), &host);
    return g_control;
}

}  // namespace standin
