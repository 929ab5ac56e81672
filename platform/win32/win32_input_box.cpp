// A DLGTEMPLATE is a header followed by WORD-aligned strings and DWORD-aligned item records;
// the builder below writes exactly that layout, in dialog units.
#include "platform/win32/win32_input_box.h"

#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/win32/win32_ids.h"
#include "platform/win32/win32_text.h"

namespace kn::win32 {

namespace {

class DialogTemplate {
  public:
    DialogTemplate(const std::wstring& title, short cx, short cy, WORD items) {
        DLGTEMPLATE t{};
        t.style = DS_MODALFRAME | DS_CENTER | DS_SETFONT | DS_SETFOREGROUND | WS_POPUP |
                  WS_CAPTION | WS_SYSMENU;
        t.dwExtendedStyle = WS_EX_TOPMOST;
        t.cdit = items;
        t.cx = cx;
        t.cy = cy;
        Raw(&t, sizeof t);
        Word(0);  // no menu
        Word(0);  // the standard dialog class
        String(title);
        Word(8);  // point size of the font that follows
        String(L"MS Shell Dlg");
    }

    // `cls` is one of the predefined atoms: 0x0080 button, 0x0081 edit, 0x0082 static.
    void Item(WORD cls, WORD id, DWORD style, short x, short y, short cx, short cy,
              const std::wstring& text) {
        Align(4);
        DLGITEMTEMPLATE it{};
        it.style = style | WS_CHILD | WS_VISIBLE;
        it.x = x;
        it.y = y;
        it.cx = cx;
        it.cy = cy;
        it.id = id;
        Raw(&it, sizeof it);
        Word(0xFFFF);
        Word(cls);
        String(text);
        Word(0);  // no creation data
    }

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

  private:
    void Raw(const void* p, std::size_t n) {
        const auto* b = static_cast<const std::uint8_t*>(p);
        bytes_.insert(bytes_.end(), b, b + n);
    }
    void Word(WORD w) { Raw(&w, sizeof w); }
    void String(const std::wstring& s) { Raw(s.c_str(), (s.size() + 1) * sizeof(wchar_t)); }
    void Align(std::size_t n) {
        while (bytes_.size() % n) bytes_.push_back(0);
    }

    // DWORD alignment of the items is counted from the start, so the buffer must start aligned.
    std::vector<std::uint8_t> bytes_;
};

struct Dialog {
    const std::function<void()>& closing;
    std::wstring answer;
};

std::wstring EditText(HWND dlg) {
    HWND edit = GetDlgItem(dlg, kInputBoxEditId);
    std::wstring text(GetWindowTextLengthW(edit) + 1, L'\0');
    text.resize(GetWindowTextW(edit, text.data(), static_cast<int>(text.size())));
    return text;
}

INT_PTR CALLBACK DialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrW(dlg, DWLP_USER, lp);
        return TRUE;  // the focus goes to the edit field, the first tab stop
    }
    auto* d = reinterpret_cast<Dialog*>(GetWindowLongPtrW(dlg, DWLP_USER));
    if (msg != WM_COMMAND || !d) return FALSE;
    WORD id = LOWORD(wp);
    if (id != IDOK && id != IDCANCEL) return FALSE;
    if (id == IDOK) d->answer = EditText(dlg);
    // Windows hands the activation to an enabled window as the dialog goes: the program's must
    // be enabled by then, or another application gets it (Wine does not enforce this).
    d->closing();
    EndDialog(dlg, id);
    return TRUE;
}

}  // namespace

std::string RunInputBox(const std::wstring& prompt, const std::wstring& title, HWND owner,
                        const std::function<void()>& closing) {
    DialogTemplate t(title, 236, 78, 4);
    t.Item(0x0082, 0xFFFF, SS_LEFT, 7, 7, 166, 40, prompt);
    t.Item(0x0081, kInputBoxEditId, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 56, 222, 14, L"");
    t.Item(0x0080, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 179, 7, 50, 14, L"OK");
    t.Item(0x0080, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 179, 25, 50, 14, L"Cancel");
    Dialog d{closing, {}};
    INT_PTR r = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), t.get(), owner, DialogProc,
                                        reinterpret_cast<LPARAM>(&d));
    return r == IDOK ? Narrow(d.answer) : std::string();
}

}  // namespace kn::win32
