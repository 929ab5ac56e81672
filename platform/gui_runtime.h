// The GUI runtime services: the program's own windows with their controls, timers, the pop-up
// menu, the modal text-input dialog, the event pump, a monotonic clock and the process itself.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/notify_icon.h"
#include "platform/skin_art.h"
#include "platform/window_system.h"

namespace kn {

// Left, top, width and height in twips: 1440 to the inch, so 15 to a pixel at 96 DPI and fewer
// at any higher DPI, where every window lays itself out again.
struct TwipRect {
    int left = 0, top = 0, width = 0, height = 0;
};

// Twips to pixels at `dpi`, rounded: 15 twips a pixel at 96 DPI.
constexpr int TwipsToPixels(int twips, int dpi) {
    return (twips * dpi + 720) / 1440;
}

// A box in pixels; right and bottom lie just past it.
struct PixelBox {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// `t` in pixels at `dpi`, each edge rounded on its own: boxes that meet in twips meet in pixels
// at every scale, where rounding a width could make them overlap by one.
constexpr PixelBox ToPixels(const TwipRect& t, int dpi) {
    return {TwipsToPixels(t.left, dpi), TwipsToPixels(t.top, dpi),
            TwipsToPixels(t.left + t.width, dpi), TwipsToPixels(t.top + t.height, dpi)};
}

// A control of a form: its place in its design's `controls`.
using ControlIndex = std::size_t;
// No control: no container, no naming label, or a menu popped up at the mouse pointer.
inline constexpr ControlIndex kNoControl = static_cast<ControlIndex>(-1);

enum class ControlKind { Label, TextField, Picture, ListBox, Button };

struct ControlDesign {
    std::string name;  // "Text1", "Picture3", ...: for the simulator's script and record
    ControlKind kind = ControlKind::Label;
    TwipRect pos;      // relative to `container`, or to the client area when there is none
    std::string text;  // initial caption or text (UTF-8)
    // The picture box, listed before this control, that holds it; kNoControl for none.
    ControlIndex container = kNoControl;
    SkinArt art;                     // picture box only: its image, drawn from the top-left corner
    std::vector<std::string> items;  // list box only: its lines in order
    // -1: not a tab stop. A picture box with a tab index is a skin button: it takes the focus,
    // Enter and Space press it, and its text is its name for screen readers and its tooltip.
    int tab_index = -1;
    // A text field's, list's or label's name for screen readers, where its text is its value
    // or nothing is written beside it; empty for none.
    std::string spoken_name;
    // The label whose caption names this field for screen readers; kNoControl for none.
    ControlIndex named_by = kNoControl;
    // Label only: its text is the window's status. Each change is announced as one (to screen
    // readers; in the simulator, to its record), and it never takes the focus or the keyboard.
    bool status = false;
    // Label only: its text is shown as this art, drawn from the label's top-left corner over
    // its container's image, instead of in a font; empty art shows nothing. Null: in a font.
    SkinArt (*drawn)(std::string_view text) = nullptr;
    // Label only: the tooltip over it for its text, kept in step as the text changes; "" (or
    // null) shows none.
    std::string (*tip)(std::string_view text) = nullptr;
};

enum class FormStyle {
    Skinned,     // no border, no title bar, fixed size, opened at the centre of the screen,
                 // moved by dragging its background
    ToolWindow,  // narrow title bar with a close button only, fixed size
};

struct FormDesign {
    std::string name;     // "Form1", ...
    std::string caption;  // UTF-8
    FormStyle style = FormStyle::ToolWindow;
    int client_width = 0, client_height = 0;  // twips
    std::string icon;                         // icon resource, or empty for the default
    std::vector<ControlDesign> controls;
};

struct MenuItem {
    std::string name;     // "mnuon": for the simulator's script
    std::string caption;  // "on"
    std::vector<MenuItem> children;
};

enum class WindowState { Normal, Minimized };

// Whether a window shown takes the activation, and with it the keyboard.
enum class Activation {
    Activate,    // as a window the person opened from the program's own windows does
    NoActivate,  // the keyboard stays where it is: in the host's room, for one opened from there
};

// What a form hears from its window; implemented by the program's forms. Controls and menu
// items come as themselves, never by name.
class FormEvents {
  public:
    virtual ~FormEvents() = default;
    // A click on the button or skin button `control`, by the mouse or, with the focus on it,
    // by Enter or Space.
    virtual void Click(ControlIndex control) = 0;
    // The context-menu key or Shift+F10 on the skin button `control`, which has the focus. A
    // text field answers those keys with its own edit menu and raises nothing.
    virtual void ContextMenu(ControlIndex control) = 0;
    // `item` was chosen from a menu that this form popped up: one of that menu's own items,
    // the very object, not a copy.
    virtual void MenuChosen(const MenuItem& item) = 0;
    // The window was asked to close from outside the program (its close button, Esc in a tool
    // window, the system menu's Close, WM_CLOSE, the session ending). The window stays as it
    // is; the form decides what happens.
    virtual void CloseRequested() = 0;
};

// One of the program's own windows with its controls. Text is UTF-8.
class FormWindow {
  public:
    virtual ~FormWindow() = default;
    // The window's handle in the window system, for WindowSystem calls such as MakeTopmost.
    virtual WindowHandle Handle() = 0;
    // `control` is a place in the window's design. Reached straight there, with no search; a
    // place past the design's end is ignored (reads give "" or 0).
    // The current caption or text of a label, text field or button.
    virtual std::string Text(ControlIndex control) = 0;
    // Replaces it. Never raises an event.
    virtual void SetText(ControlIndex control, std::string_view text) = 0;
    // The number of lines of a list box; 0 for any other control.
    virtual int ItemCount(ControlIndex control) = 0;
    // Appends `text` as the last line of a list box, shown as plain text (no character of it
    // is a mnemonic or markup); any other control is left as it is. Never raises an event.
    virtual void AddItem(ControlIndex control, std::string_view text) = 0;
    // Removes a list box's line at `index` (0 is the first), moving those after it up; any
    // other control, or an index out of range, is left as it is. Never raises an event.
    virtual void RemoveItem(ControlIndex control, int index) = 0;
    // Makes a hidden window visible, leaving its state and place as they are; shown windows
    // are modeless. With Activate it becomes the active window; with NoActivate the activation
    // and the keyboard stay where they are, whatever the window system's rules on who may take
    // the foreground, and a window system that moved them anyway gives them back. A window
    // already visible keeps its state and place, and comes in front of the other windows of
    // its band (topmost or not) without the activation.
    virtual void Show(Activation activation) = 0;
    // As Show, but a hidden window first moves beside `anchor` (where a minimised anchor would
    // be restored to), within the work area of the monitor that anchor is on and at its size
    // there: to anchor's right, else its left, else below it, else above, overlapping neither
    // anchor nor the program's other visible windows; level with anchor's top edge or left
    // edge where that is free, else the nearest place past the windows in the way. Only where
    // the work area has no such place does it overlap them, and then the least.
    virtual void ShowBeside(FormWindow& anchor, Activation activation) = 0;
    // Hides it; it keeps its controls and their values.
    virtual void Hide() = 0;
    virtual bool Visible() = 0;
    // Minimises or restores the window (restored, not maximised), visible or not; a hidden
    // window shows nothing now and takes the state when it is next shown. Restoring never takes
    // the activation or the keyboard (as Show with NoActivate) and brings the window in front
    // as Show does; minimising passes the activation on only if the window had it.
    virtual void SetState(WindowState state) = 0;
    virtual WindowState State() = 0;
    // Makes the visible window the active one, in front of the others, where the person has
    // just asked for it (a click on the notification icon, after which the window system lets
    // the program take the foreground). A hidden window stays as it is.
    virtual void BringToFront() = 0;
    // Pops `menu` (its items; the root itself is not shown; it must outlive the window) up
    // with the default alignment: at the mouse pointer when the pointer is over the control
    // `at` (it was clicked) or `at` is kNoControl, else at that control's bottom-left corner
    // (it was asked for from the keyboard). The menu closes when the person clicks elsewhere,
    // even while the window is hidden. The arrow keys and Enter choose as in any menu. A choice
    // arrives later as FormEvents::MenuChosen; none, nothing.
    virtual void PopupMenu(const MenuItem& menu, ControlIndex at) = 0;
};

// A window-system timer owned by a form; its tick is delivered through the event pump.
class Timer {
  public:
    virtual ~Timer() = default;
    // Enabling an enabled timer leaves its countdown running; disabling stops it.
    virtual void SetEnabled(bool on) = 0;
    virtual bool Enabled() = 0;
};

class GuiRuntime {
  public:
    virtual ~GuiRuntime() = default;

    // Creates `design`'s window, hidden and in the normal state, with all its controls; the
    // window keeps what it needs of `design`, which need not outlive the call.
    virtual std::unique_ptr<FormWindow> CreateForm(const FormDesign& design,
                                                   FormEvents& events) = 0;

    // A disabled timer on `owner` with the identifier `id` (the WM_TIMER wParam) that calls
    // `tick` every `interval_ms` while enabled.
    virtual std::unique_ptr<Timer> CreateTimer(FormWindow& owner, unsigned id, unsigned interval_ms,
                                               std::function<void()> tick) = 0;

    // The modal text-input dialog: `prompt`, an empty answer field, OK and Cancel, `title` as
    // caption. Handles other events while it is open. Returns the answer; Cancel gives "".
    virtual std::string InputBox(std::string_view prompt, std::string_view title) = 0;

    // The program's icon in the notification area, not yet shown; its events go to `events`
    // while `owner` is enabled (a modal prompt, which disables it, is brought to the front by
    // a click instead).
    virtual std::unique_ptr<NotifyIcon> CreateNotifyIcon(FormWindow& owner,
                                                         NotifyIconEvents& events) = 0;

    // Handles every pending event, then returns.
    virtual void DoEvents() = 0;

    // Waits until an event arrives or `seconds` have passed, handles what arrived, returns.
    // Burns no CPU while it waits. A time of 0 or less returns at once.
    virtual void WaitForEvents(double seconds) = 0;

    // Handles events until the process ends.
    virtual void RunMessageLoop() = 0;

    // Seconds on a monotonic clock (virtual in replay).
    virtual double Now() = 0;

    // The local time of day as minutes since midnight, 0 to 1439: what a clock on the wall
    // reads, not a span, so it may jump when the clock is set or the time zone changes.
    virtual int MinuteOfDay() = 0;

    // True when a listing of exactly `path` (UTF-8) names a file that is not a directory;
    // hidden, system and read-only files count. False for any error, never raises.
    virtual bool IsListedFile(std::string_view path) = 0;

    // The directory that holds the program's executable, UTF-8, without a trailing separator
    // except at a drive root.
    virtual std::string ProgramDirectory() = 0;

    // Ends the process at once; no further handler of the program runs. The notification
    // icons go with it.
    [[noreturn]] virtual void EndProcess() = 0;
};

}  // namespace kn
