// The names and numbers by which the program's own windows can be found from outside, by its
// tests among others: window classes, control and menu item identifiers, the input dialog's.
#pragma once

namespace kn::win32 {

// A form's window class is this prefix followed by the design's name ("kelvarnook.Form1").
inline constexpr wchar_t kFormClassPrefix[] = L"kelvarnook.";
// The class of picture boxes, which paint their image and hold other controls.
inline constexpr wchar_t kPictureClass[] = L"kelvarnook.Picture";

// A control's identifier (GetDlgCtrlID) is this plus its index in the form's design.
inline constexpr int kFirstControlId = 100;
// A pop-up menu item's WM_COMMAND identifier is this plus its index in a depth-first walk of
// the menu, the root not counted ("idle" 0, "on" 1, "off" 2, "colors" 3, ...). An identifier
// stays valid after its menu closes, until the next pop-up menu of the same form.
inline constexpr int kFirstMenuId = 2000;

// The notification icon's hidden window, its class; the icon is this window's kNotifyIconId,
// whose callback message (wParam the id, lParam the mouse or NIN_ message, as the shell's
// NOTIFYICON_VERSION sends them) is kNotifyIconMessage.
inline constexpr wchar_t kNotifyIconClass[] = L"kelvarnook notification icon";
inline constexpr unsigned kNotifyIconId = 1;
inline constexpr unsigned kNotifyIconMessage = 0x8000 + 1;  // WM_APP + 1

// The input dialog: caption the title, a STATIC with the prompt, this EDIT, IDOK and IDCANCEL.
inline constexpr int kInputBoxEditId = 1001;

}  // namespace kn::win32
