// The stand-in host's top-level frame: the MDI client with the open windows, and the toolbar
// with the keyword box above it.
#pragma once

#include <windows.h>

namespace standin {

class Host;

void RegisterFrameClass(HINSTANCE instance);

// A hidden frame with its MDI client and toolbar; the host shows it when a person watches.
HWND CreateFrame(Host& host);

}  // namespace standin
