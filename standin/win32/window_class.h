// Registering the stand-in host's window classes: plain ones of its own, and superclasses that
// keep a system control's behaviour under one of the host client's class names.
#pragma once

#include <windows.h>

namespace standin {

// A class of the host's own: arrow cursor, button-face background.
void RegisterPlainClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc);

// `name` behaves as the system class `base` except where `proc` (when not null) steps in;
// returns `base`'s window procedure, to which `proc` hands every other message.
WNDPROC RegisterSuperclass(HINSTANCE instance, const wchar_t* base, const wchar_t* name,
                           WNDPROC proc);

}  // namespace standin
