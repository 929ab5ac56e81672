// Picture boxes: child windows that show a bitmap resource unscaled from their top-left
// corner, report clicks to their parent and paint the transparent labels they hold.
#pragma once

#include <windows.h>

namespace kn::win32 {

// The light colour of text drawn over a skin image.
inline constexpr COLORREF kSkinTextColour = RGB(232, 232, 232);

// A visible picture box at `r` in `parent` showing the bitmap resource `image` (may be empty).
// A click arrives at the parent as WM_COMMAND(id, STN_CLICKED). WM_COMMAND from the controls
// it holds is passed on to the parent, so a form hears its controls wherever they sit.
// A transparent label inside it is a SS_OWNERDRAW static, which the box paints.
HWND CreatePicture(HWND parent, int id, const RECT& r, const wchar_t* image);

// The size of the picture's image in pixels; 0 x 0 when it has none.
SIZE PictureImageSize(HWND picture);

}  // namespace kn::win32
