// Skinned forms are bare pop-ups on black, centred on the screen; tool windows have a narrow
// caption with only a close button and open where the system puts new windows.
#include "platform/win32/win32_form_frame.h"

#include <tuple>

#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_form_controls.h"
#include "platform/win32/win32_ids.h"
#include "platform/win32/win32_text.h"

namespace kn::win32 {

namespace {

struct FrameStyle {
    DWORD style;
    DWORD ex_style;
};

// The skinned form keeps a system menu and a minimise box, unseen, so that its taskbar button
// can restore and close it.
FrameStyle StyleOf(FormStyle s) {
    if (s == FormStyle::Skinned) {
        return {WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    }
    return {WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT};
}

// `flags` LR_SHARED only for the system's own sizes: a shared icon comes at the size it was
// first loaded at, whatever size is asked for later (as the LoadImage notes warn).
HICON LoadFormIcon(HINSTANCE instance, const std::wstring& name, int size, UINT flags) {
    if (name.empty()) return nullptr;
    return static_cast<HICON>(LoadImageW(instance, name.c_str(), IMAGE_ICON, size, size, flags));
}

// Classes live for the whole process; the first form of a name registers it.
void RegisterFormClass(const FormDesign& design, const std::wstring& cls, WNDPROC proc) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW known{};
    known.cbSize = sizeof known;
    if (GetClassInfoExW(instance, cls.c_str(), &known)) return;
    std::wstring icon = Widen(design.icon);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hIcon = LoadFormIcon(instance, icon, GetSystemMetrics(SM_CXICON), LR_SHARED);
    wc.hIconSm = LoadFormIcon(instance, icon, GetSystemMetrics(SM_CXSMICON), LR_SHARED);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = design.style == FormStyle::Skinned
                           ? static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))
                           : reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = cls.c_str();
    RegisterClassExW(&wc);
}

RECT FrameRect(const FormDesign& design, const FrameStyle& fs, int dpi) {
    return FrameForClient(TwipsToPixels(design.client_width, dpi),
                          TwipsToPixels(design.client_height, dpi), fs.style, fs.ex_style, dpi);
}

POINT Origin(const FormDesign& design, const RECT& frame) {
    if (design.style != FormStyle::Skinned) return {CW_USEDEFAULT, CW_USEDEFAULT};
    return {(GetSystemMetrics(SM_CXSCREEN) - frame.right) / 2,
            (GetSystemMetrics(SM_CYSCREEN) - frame.bottom) / 2};
}

// Alt+Space on the bare skin, and the taskbar button's menu: restore, move, minimise and close
// are all that apply to a window of fixed size that never maximises. Windows greys Restore
// while the window is normal. Close is the close from outside.
void TrimSystemMenu(HWND w) {
    HMENU menu = GetSystemMenu(w, FALSE);
    // The results say only whether the item was there.
    for (UINT item : {SC_SIZE, SC_MAXIMIZE}) (void)DeleteMenu(menu, item, MF_BYCOMMAND);
}

}  // namespace

HWND CreateFormFrame(const FormDesign& design, WNDPROC proc, void* param) {
    std::wstring cls = kFormClassPrefix + Widen(design.name);
    RegisterFormClass(design, cls, proc);
    FrameStyle fs = StyleOf(design.style);
    RECT frame = FrameRect(design, fs, SystemDpi());
    POINT at = Origin(design, frame);
    HWND w = CreateWindowExW(fs.ex_style, cls.c_str(), Widen(design.caption).c_str(), fs.style,
                             at.x, at.y, frame.right, frame.bottom, nullptr, nullptr,
                             GetModuleHandleW(nullptr), param);
    if (w && design.style == FormStyle::Skinned) TrimSystemMenu(w);
    return w;
}

LRESULT HitTest(const FormDesign& design, LRESULT found) {
    return design.style == FormStyle::Skinned && found == HTCLIENT ? HTCAPTION : found;
}

FormIcons SetIcons(HWND frame, const FormDesign& design, int dpi) {
    FormIcons icons;
    if (design.icon.empty()) return icons;
    HINSTANCE module = GetModuleHandleW(nullptr);
    const std::wstring icon = Widen(design.icon);
    for (auto [which, size, mine] : {std::tuple{ICON_SMALL, 16, &icons.small_icon},
                                     std::tuple{ICON_BIG, 32, &icons.big_icon}}) {
        mine->Reset(LoadFormIcon(module, icon, ScaleToDpi(size, dpi), 0));
        // The icon it answers with is the one set before, which its owner frees.
        (void)SendMessageW(frame, WM_SETICON, which, reinterpret_cast<LPARAM>(mine->get()));
    }
    return icons;
}

SIZE FrameSize(const FormDesign& design, HWND frame, int dpi) {
    const FrameStyle fs{static_cast<DWORD>(GetWindowLongW(frame, GWL_STYLE)),
                        static_cast<DWORD>(GetWindowLongW(frame, GWL_EXSTYLE))};
    const RECT r = FrameRect(design, fs, dpi);
    return {r.right, r.bottom};
}

}  // namespace kn::win32
