// The modal text-input dialog, built from an in-memory template so that it is a real dialog
// that tests and accessibility tools find as one.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace kn::win32 {

// Caption `title`, the prompt, an empty edit field (kInputBoxEditId), OK and Cancel, owned by
// `owner` (null: none). Runs the dialog's own modal loop, in which timers and messages from
// outside go on working. `closing` runs as OK or Cancel is pressed, while the dialog still
// stands, so that windows it enables can take the focus back. Returns the answer in UTF-8;
// Cancel, Escape or closing the dialog gives "".
std::string RunInputBox(const std::wstring& prompt, const std::wstring& title, HWND owner,
                        const std::function<void()>& closing);

}  // namespace kn::win32
