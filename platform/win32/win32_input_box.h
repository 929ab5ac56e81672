// The modal text-input dialog, built from an in-memory template so that it is a real dialog
// that tests and accessibility tools find as one.
#pragma once

#include <string>

namespace kn::win32 {

// Caption `title`, the prompt, an empty edit field (kInputBoxEditId), OK and Cancel. Runs the
// dialog's own modal loop, in which the program's other windows and timers go on working.
// Returns the answer in UTF-8; Cancel, Escape or closing the dialog gives "".
std::string RunInputBox(const std::wstring& prompt, const std::wstring& title);

}  // namespace kn::win32
