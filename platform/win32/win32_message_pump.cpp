// Tab and Enter inside a form are the dialog manager's, as they are in the input dialog; every
// other message goes to its window procedure.
#include "platform/win32/win32_message_pump.h"

namespace kn::win32 {

namespace {

bool IsNavigable(HWND root) {
    return root && (GetWindowLongPtrW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0;
}

}  // namespace

void DispatchOne(MSG& msg) {
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (IsNavigable(root) && IsDialogMessageW(root, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

}  // namespace kn::win32
