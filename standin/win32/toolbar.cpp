// The keyword field is a system edit subclassed in place, so its class stays "Edit". Enter
// goes to the keyword last set with WM_SETTEXT; characters typed into the field since (the
// program types a blank before its Enter) are not part of it.
#include "standin/win32/toolbar.h"

#include <string>

#include "standin/win32/host.h"
#include "standin/win32/text.h"
#include "standin/win32/window_class.h"

namespace standin {

namespace {

constexpr wchar_t kToolbarClass[] = L"AOL Toolbar";
constexpr wchar_t kInnerToolbarClass[] = L"_AOL_Toolbar";
constexpr wchar_t kKeywordBoxClass[] = L"_AOL_Combobox";  // registered with the room's classes

// What the keyword field knows besides its text; owned by the field's window.
struct KeywordField {
    Host& host;
    WNDPROC edit_proc;
    std::wstring keyword;
};

KeywordField* FieldOf(HWND w) {
    return reinterpret_cast<KeywordField*>(GetWindowLongPtrW(w, GWLP_USERDATA));
}

LRESULT CALLBACK KeywordFieldProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    KeywordField* field = FieldOf(w);
    const WNDPROC edit_proc = field->edit_proc;
    if (msg == WM_SETTEXT) field->keyword = lp ? reinterpret_cast<const wchar_t*>(lp) : L"";
    if (msg == WM_CHAR && wp == VK_RETURN) {
        field->host.record().Write(L"keyword " + field->keyword);
        SetWindowTextW(w, L"");
        return 0;
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(edit_proc));
        delete field;
    }
    return CallWindowProcW(edit_proc, w, msg, wp, lp);
}

HWND Child(HWND parent, const wchar_t* cls, DWORD style, int x, int y, int w, int h) {
    return CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

void RegisterToolbarClasses(HINSTANCE instance) {
    RegisterPlainClass(instance, kToolbarClass, DefWindowProcW);
    RegisterPlainClass(instance, kInnerToolbarClass, DefWindowProcW);
}

void CreateToolbar(HWND frame, Host& host) {
    const HWND toolbar = Child(frame, kToolbarClass, 0, 0, 0, 860, kToolbarHeight);
    const HWND inner = Child(toolbar, kInnerToolbarClass, 0, 2, 2, 600, kToolbarHeight - 4);
    const HWND box = Child(inner, kKeywordBoxClass, WS_BORDER, 4, 2, 320, kToolbarHeight - 8);
    const HWND edit = Child(box, L"Edit", ES_AUTOHSCROLL, 2, 2, 314, kToolbarHeight - 14);
    auto* field = new KeywordField{host, nullptr, {}};
    SetWindowLongPtrW(edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(field));
    field->edit_proc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(KeywordFieldProc)));
}

HWND ToolbarOf(HWND frame) {
    return FindWindowExW(frame, nullptr, kToolbarClass, nullptr);
}

}  // namespace standin
