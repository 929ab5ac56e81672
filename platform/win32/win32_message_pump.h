// Dispatching one message the way the program's windows need it: keyboard navigation inside
// a form or dialog first, then the window procedure.
#pragma once

#include <windows.h>

namespace kn::win32 {

void DispatchOne(MSG& msg);

}  // namespace kn::win32
