// The GUI runtime services: the program's own windows with their controls, timers, the pop-up
// menu, the modal text-input dialog, the event pump, a monotonic clock and the process itself.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/skin_art.h"
#include "platform/window_system.h"

namespace kn {

// Left, top, width and height in twips: 1440 to the inch, so 15 to a pixel at 96 DPI and fewer
// at any higher DPI, where every window lays itself out again.
struct TwipRect {
    int left = 0, top = 0, width = 0, height = 0;
};

enum class ControlKind { Label, TextField, Picture, ListBox, Button };

struct ControlDesign {
    std::string name;  // "Text1", "Picture3", ...
    ControlKind kind = ControlKind::Label;
    TwipRect pos;           // relative to `container`, or to the client area when it is empty
    std::string text;       // initial caption or text (UTF-8)
    std::string container;  // name of the picture box that holds this control, or empty
    SkinArt art;            // picture box only: its image, drawn from the top-left corner
    std::vector<std::string> items;  // list box only: its lines in order
    // -1: not a tab stop. A picture box with a tab index is a skin button: it takes the focus,
    // Enter and Space press it, and its text is its name for screen readers and its tooltip.
    int tab_index = -1;
    bool transparent = false;  // label drawn over its container's image
    // A text field's or label's name for screen readers, where its text is its value; empty
    // for none.
    std::string spoken_name;
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

// A control of a form: its place in its design's `controls`.
using ControlIndex = std::size_t;

struct MenuItem {
    std::string name;     // "mnuon"
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
    // The current caption or text of a label, text field or button; "" for an unknown name.
    virtual std::string Text(std::string_view control) = 0;
    // Replaces it; an unknown name is ignored. Never raises an event.
    virtual void SetText(std::string_view control, std::string_view text) = 0;
    // The number of lines of a list box; 0 for an unknown name.
    virtual int ItemCount(std::string_view control) = 0;
    // Makes a hidden window visible, leaving its state and place as they are; shown windows
    // are modeless. With Activate it becomes the active window; with NoActivate the activation
    // and the keyboard stay where they are, whatever the window system's rules on who may take
    // the foreground. A window already visible is left as it is.
    virtual void Show(Activation activation) = 0;
    // As Show, but a hidden window first moves beside `anchor`: level with anchor's top, to
    // its right where there is room, else to its left, within the work area of the monitor
    // that anchor is on.
    virtual void ShowBeside(FormWindow& anchor, Activation activation) = 0;
    // Hides it; it keeps its controls and their values.
    virtual void Hide() = 0;
    virtual bool Visible() = 0;
    // Minimises or restores the window (restored, not maximised), visible or not. Restoring
    // never takes the activation; minimising passes it on only if the window had it.
    virtual void SetState(WindowState state) = 0;
    virtual WindowState State() = 0;
    // Pops `menu` (its items; the root itself is not shown; it must outlive the window) up
    // with the default alignment: at the mouse pointer when the pointer is over the control
    // `at` (it was clicked), else at that control's bottom-left corner (it was asked for from
    // the keyboard). The arrow keys and Enter choose as in any menu. A choice arrives later as
    // FormEvents::MenuChosen; none, nothing.
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

    // Handles every pending event, then returns.
    virtual void DoEvents() = 0;

    // Waits until an event arrives or `seconds` have passed, handles what arrived, returns.
    // Burns no CPU while it waits. A time of 0 or less returns at once.
    virtual void WaitForEvents(double seconds) = 0;

    // Handles events until the process ends.
    virtual void RunMessageLoop() = 0;

    // Seconds on a monotonic clock (virtual in replay).
    virtual double Now() = 0;

    // True when a listing of exactly `path` (UTF-8) names a file that is not a directory;
    // hidden, system and read-only files count. False for any error, never raises.
    virtual bool IsListedFile(std::string_view path) = 0;

    // The directory that holds the program's executable, UTF-8, without a trailing separator
    // except at a drive root.
    virtual std::string ProgramDirectory() = 0;

    // Ends the process at once; no further handler of the program runs.
    [[noreturn]] virtual void EndProcess() = 0;
};

}  // namespace kn
