// Window class registration for the stand-in host. Registration failures end the host at
// once: without its classes it offers nothing to test against.
#include "standin/win32/window_class.h"

namespace standin {

namespace {
void Register(const WNDCLASSEXW& wc) {
    if (!RegisterClassExW(&wc)) ExitProcess(3);
}
}  // namespace

void RegisterPlainClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    Register(wc);
}

WNDPROC RegisterSuperclass(HINSTANCE instance, const wchar_t* base, const wchar_t* name,
                           WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(nullptr, base, &wc)) ExitProcess(3);
    const WNDPROC base_proc = wc.lpfnWndProc;
    if (proc) wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.lpszClassName = name;
    wc.style &= ~CS_GLOBALCLASS;
    Register(wc);
    return base_proc;
}

}  // namespace standin
