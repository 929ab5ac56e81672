// The stand-in host's chat room: its controls, rich edits as a real room's are, its transcript
// in the form the chat scanner reads (a line break, NAME ":" TAB TEXT per line), and Enter in
// its input box.
#include "standin/win32/chat_room.h"

#include "standin/win32/host.h"
#include "standin/win32/text.h"
#include "standin/win32/window_class.h"

namespace standin {

namespace {

constexpr wchar_t kTranscriptClass[] = L"RICHCNTLREADONLY";
constexpr wchar_t kInputClass[] = L"RICHCNTL";
constexpr wchar_t kComboboxClass[] = L"_AOL_Combobox";
constexpr wchar_t kIconClass[] = L"_AOL_Icon";
constexpr wchar_t kStaticClass[] = L"_AOL_Static";
constexpr wchar_t kPanelClass[] = L"StandinPanel";

WNDPROC g_edit_proc = nullptr;

// A rich edit takes 32767 characters unless told otherwise; a room keeps far more.
constexpr LPARAM kMostCharacters = 1 << 26;

LRESULT CALLBACK InputProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CHAR && wp == VK_RETURN) {
        // Only a message sent from another thread is the program's; the keyboard posts.
        if (ChatRoom* room = ChatRoom::Of(GetParent(w))) room->Enter(InSendMessage());
        return 0;
    }
    return CallWindowProcW(g_edit_proc, w, msg, wp, lp);
}

HWND Control(HWND parent, const wchar_t* cls, DWORD style, const wchar_t* text = L"") {
    return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, parent,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

HWND RichEdit(HWND parent, const wchar_t* cls, DWORD style) {
    const HWND w = Control(parent, cls, style);
    SendMessageW(w, EM_EXLIMITTEXT, 0, kMostCharacters);
    return w;
}

HWND Transcript(HWND parent) {
    return RichEdit(parent, kTranscriptClass,
                    WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL);
}

HWND InputBox(HWND parent) {
    return RichEdit(parent, kInputClass, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL);
}

void Place(HWND w, int x, int y, int width, int height) {
    MoveWindow(w, x, y, width, height, TRUE);
}

}  // namespace

ChatRoom::ChatRoom(Host& host, HWND window, std::size_t max_lines)
    : host_(host), window_(window), max_lines_(max_lines) {
    transcript_ = Transcript(window);
    Control(window, kComboboxClass, WS_BORDER);
    Control(window, kIconClass, SS_CENTER, L"(:)");
    Control(window, kStaticClass, SS_LEFT, L"people here");
    input_ = InputBox(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    Layout();
}

ChatRoom::~ChatRoom() {
    if (IsWindow(window_)) SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
}

ChatRoom* ChatRoom::Of(HWND window) {
    return reinterpret_cast<ChatRoom*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void ChatRoom::Chat(std::wstring_view name, std::wstring_view text) {
    host_.record().Write(L"chat " + std::wstring(name) + L": " + std::wstring(text));
    AddToTranscript(name, text);
}

void ChatRoom::Type(std::wstring_view text) {
    SetWindowTextW(input_, std::wstring(text).c_str());
}

void ChatRoom::Enter(bool by_program) {
    const std::wstring text = WindowText(input_);
    SetWindowTextW(input_, L"");
    if (by_program) {
        host_.record().Write(L"post " + text);
        AddToTranscript(host_.screen_name(), text);
    } else {
        Chat(host_.screen_name(), text);
    }
}

void ChatRoom::AddToTranscript(std::wstring_view name, std::wstring_view text) {
    lines_.push_back(std::wstring(name) + L":\t" + WithoutTags(text));
    while (lines_.size() > max_lines_) lines_.pop_front();
    Redraw();
}

void ChatRoom::Redraw() {
    std::wstring all;
    for (const std::wstring& line : lines_) all += host_.line_break() + line;
    SetWindowTextW(transcript_, all.c_str());
    const auto end = static_cast<WPARAM>(all.size());
    SendMessageW(transcript_, EM_SETSEL, end, end);
    SendMessageW(transcript_, EM_SCROLLCARET, 0, 0);
}

void ChatRoom::Layout() {
    RECT r;
    GetClientRect(window_, &r);
    const int side = 96, input_height = 24, gap = 4;
    const int w = r.right, h = r.bottom;
    const int x_side = w - side - gap;
    Place(transcript_, gap, gap, x_side - 2 * gap, h - input_height - 3 * gap);
    Place(FindWindowExW(window_, nullptr, kComboboxClass, nullptr), x_side, gap, side, 22);
    Place(FindWindowExW(window_, nullptr, kIconClass, nullptr), x_side, 30, side, 20);
    Place(FindWindowExW(window_, nullptr, kStaticClass, nullptr), x_side, 54, side, 20);
    Place(input_, gap, h - input_height - gap, w - 2 * gap, input_height);
}

void FillDecoy(HWND window, Decoy kind) {
    HWND holder = window;
    if (kind == Decoy::Nested) {
        holder = Control(window, kPanelClass, 0);
        Place(holder, 4, 4, 280, 120);
    }
    Place(Transcript(holder), 4, 4, 160, 60);
    Place(Control(holder, kComboboxClass, WS_BORDER), 170, 4, 80, 20);
    Place(Control(holder, kIconClass, SS_CENTER, L"(:)"), 170, 28, 80, 20);
    if (kind == Decoy::Nested) {
        Place(Control(holder, kStaticClass, SS_LEFT, L"here"), 170, 52, 80, 20);
    }
    Place(InputBox(holder), 4, 80, 246, 22);
}

std::wstring WithoutTags(std::wstring_view line) {
    std::wstring shown;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t open = line.find(L'<', pos);
        const std::size_t close = open == line.npos ? line.npos : line.find(L'>', open);
        if (close == line.npos) {  // no complete tag left: the rest is text
            shown.append(line.substr(pos));
            break;
        }
        shown.append(line.substr(pos, open - pos));
        pos = close + 1;
    }
    return shown;
}

void RegisterChatRoomClasses(HINSTANCE instance) {
    if (!LoadLibraryW(L"riched20.dll")) ExitProcess(3);
    RegisterSuperclass(instance, RICHEDIT_CLASSW, kTranscriptClass, nullptr);
    g_edit_proc = RegisterSuperclass(instance, RICHEDIT_CLASSW, kInputClass, InputProc);
    RegisterSuperclass(instance, L"STATIC", kIconClass, nullptr);
    RegisterSuperclass(instance, L"STATIC", kStaticClass, nullptr);
    // The keyword box in the toolbar is of this class too (class names ignore case).
    RegisterPlainClass(instance, kComboboxClass, DefWindowProcW);
    RegisterPlainClass(instance, kPanelClass, DefWindowProcW);
}

}  // namespace standin
