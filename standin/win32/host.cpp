// The stand-in host's state and its open windows. Front to back is the MDI client's child
// order; the active MDI child is kept at the front so that closing one never reshuffles them.
#include "standin/win32/host.h"

#include <utility>

#include "standin/win32/frame.h"
#include "standin/win32/open_window.h"

namespace standin {

namespace {

// Where a person finds each window in the visible host; the hidden host places them alike.
constexpr RECT kRoomPlace{0, 0, 600, 430};
constexpr RECT kWelcomePlace{610, 0, 830, 100};
constexpr RECT kOtherPlace{40, 40, 360, 240};
constexpr RECT kDecoyPlace{80, 80, 400, 280};

}  // namespace

Host::Host(HINSTANCE instance, Options options)
    : instance_(instance),
      options_(std::move(options)),
      record_(options_.record_path),
      screen_name_(options_.screen_name) {}

void Host::Start() {
    if (Running()) return;
    screen_name_ = options_.screen_name;
    line_break_ = L"\r\n";
    frame_ = CreateFrame(*this);
    if (!options_.no_room) OpenRoom();
    SignOn(screen_name_);
    if (!options_.visible) return;
    ShowWindow(frame_, SW_SHOW);
    if (ChatRoom* room = FrontRoom()) SetFocus(room->input());
}

void Host::Quit() {
    if (!Running()) return;
    HWND frame = frame_;
    frame_ = nullptr;
    DestroyWindow(frame);
}

HWND Host::Mdi() const {
    return frame_ ? FindWindowExW(frame_, nullptr, L"MDIClient", nullptr) : nullptr;
}

HWND Host::Welcome() const {
    return welcome_ && IsWindow(welcome_) && GetParent(welcome_) == Mdi() ? welcome_ : nullptr;
}

ChatRoom* Host::FrontRoom() const {
    const HWND mdi = Mdi();
    if (!mdi) return nullptr;
    for (HWND w = GetWindow(mdi, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (ChatRoom* room = ChatRoom::Of(w)) return room;
    }
    return nullptr;
}

HWND Host::NewWindow(std::wstring_view title, const RECT& place) {
    const HWND mdi = Mdi();
    return mdi ? CreateOpenWindow(mdi, instance_, title, place) : nullptr;
}

void Host::SendBehind(HWND window) {
    SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const HWND front = GetWindow(Mdi(), GW_CHILD);
    SendMessageW(Mdi(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(front), 0);
}

bool Host::OwnerSays(std::wstring_view text) {
    ChatRoom* room = FrontRoom();
    if (!room) return false;
    room->Type(L"");
    room->Chat(screen_name_, text);
    return true;
}

bool Host::Draft(std::wstring_view text) {
    ChatRoom* room = FrontRoom();
    if (!room) return false;
    room->Type(text);
    return true;
}

bool Host::MemberSays(std::wstring_view name, std::wstring_view text) {
    ChatRoom* room = FrontRoom();
    if (!room) return false;
    room->Chat(name, text);
    return true;
}

bool Host::SignOn(std::wstring_view name) {
    if (!Running()) return false;
    screen_name_ = name;
    return SetWelcomeTitle(L"Welcome, " + screen_name_ + L"!");
}

bool Host::SignOff() {
    const HWND welcome = Welcome();
    if (!welcome) return false;
    SendMessageW(Mdi(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(welcome), 0);
    return true;
}

bool Host::SetWelcomeTitle(std::wstring_view title) {
    if (const HWND welcome = Welcome()) return SetWindowTextW(welcome, std::wstring(title).c_str());
    welcome_ = NewWindow(title, kWelcomePlace);
    return welcome_ != nullptr;
}

bool Host::OpenRoom() {
    const HWND window = NewWindow(L"chat room", kRoomPlace);
    if (!window) return false;
    new ChatRoom(*this, window, options_.max_lines);  // the window owns it (open_window.cpp)
    SendBehind(window);
    return true;
}

bool Host::CloseRoom() {
    ChatRoom* room = FrontRoom();
    if (!room) return false;
    SendMessageW(Mdi(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(room->window()), 0);
    return true;
}

bool Host::SetLineEnd(std::wstring_view name) {
    const std::pair<std::wstring_view, std::wstring_view> breaks[] = {
        {L"CRLF", L"\r\n"}, {L"CR", L"\r"}, {L"LF", L"\n"}};
    for (const auto& [word, line_break] : breaks) {
        if (name != word || !Running()) continue;
        line_break_ = line_break;
        for (HWND w = GetWindow(Mdi(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
            if (ChatRoom* room = ChatRoom::Of(w)) room->Redraw();
        }
        return true;
    }
    return false;
}

bool Host::OpenWindow(std::wstring_view title) {
    return NewWindow(title, kOtherPlace) != nullptr;
}

bool Host::OpenDecoy(Decoy kind) {
    const HWND window = NewWindow(kind == Decoy::Nested ? L"nested" : L"partial", kDecoyPlace);
    if (!window) return false;
    FillDecoy(window, kind);
    return true;
}

}  // namespace standin
