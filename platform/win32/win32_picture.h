// Picture boxes and skin buttons, which show skin art drawn at their window's DPI. A picture
// box lets the mouse through to the form and has the labels it holds drawn over its skin; a skin
// button is an owner-drawn push button, so it takes the focus by Tab, presses by Space, and is
// what a screen reader calls a button, named by its text.
#pragma once

#include <windows.h>

#include <string_view>

#include "platform/skin_art.h"

namespace kn::win32 {

// The light colour of text drawn over a skin image.
inline constexpr COLORREF kSkinTextColour = RGB(232, 232, 232);

// A visible picture box in `parent` showing `art`; the mouse over it is the parent's (a
// skinned form's, to drag). WM_COMMAND from the controls it holds is passed on to the parent,
// so a form hears its controls wherever they sit. A static or a read-only edit inside it is
// drawn in the skin's text colour on the skin's black; a skin button inside it is painted by it.
HWND CreatePicture(HWND parent, int id, const SkinArt& art);

// A visible skin button in `parent` named `name`, showing `art`, with a focus cue when it has
// the focus. Clicks arrive as BN_CLICKED, a quick second one as BN_DOUBLECLICKED.
HWND CreateSkinButton(HWND parent, int id, const wchar_t* name, const SkinArt& art);

// The art of a picture box or skin button drawn afresh at `dpi`; anything else is left alone.
void SetSkinDpi(HWND w, int dpi);

// WM_DRAWITEM for a skin button, whichever window is its parent; false for any other item.
bool DrawSkinButton(const DRAWITEMSTRUCT& d);

// A transparent label of a picture box whose text the box draws as the art `draw` makes of
// it, at the label's DPI, instead of in a font.
void SetDrawnText(HWND label, SkinArt (*draw)(std::string_view text));

}  // namespace kn::win32
