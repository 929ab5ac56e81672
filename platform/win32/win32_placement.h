// Where a window goes beside another: pure arithmetic on screen rectangles, so that the rules
// hold on any monitor layout, including the ones no test machine has.
#pragma once

#include <windows.h>

#include <span>

namespace kn::win32 {

// `r`, in the workspace coordinates of WINDOWPLACEMENT's rcNormalPosition (a top-level window
// without WS_EX_TOOLWINDOW), in screen coordinates: workspace (0,0) is the top-left corner of
// the work area of the monitor whose whole area is `monitor` and work area `work`.
RECT ScreenFromWorkspace(const RECT& r, const RECT& monitor, const RECT& work);

// The top-left corner for a window of `size` beside `anchor`, inside `work`: level with the
// anchor to its right, else to its left, else below it, else above, overlapping neither the
// anchor nor any of `others`; on each side the place nearest the anchor's corner first. Only
// where no such place exists does it overlap, and then the least area.
POINT PlaceBeside(const RECT& anchor, SIZE size, const RECT& work, std::span<const RECT> others);

}  // namespace kn::win32
