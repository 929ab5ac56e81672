// One of the program's forms as a real top-level window with its child controls; its window
// procedure turns messages into the form's events.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/gui_runtime.h"
#include "platform/win32/win32_form_controls.h"
#include "platform/win32/win32_form_frame.h"
#include "platform/win32/win32_handles.h"

namespace kn {

class Win32Timer;

class Win32FormWindow final : public FormWindow {
  public:
    Win32FormWindow(const FormDesign& design, FormEvents& events);
    ~Win32FormWindow() override;
    Win32FormWindow(const Win32FormWindow&) = delete;
    Win32FormWindow& operator=(const Win32FormWindow&) = delete;

    WindowHandle Handle() override;
    std::string Text(ControlIndex control) override;
    void SetText(ControlIndex control, std::string_view text) override;
    int ItemCount(ControlIndex control) override;
    void AddItem(ControlIndex control, std::string_view text) override;
    void RemoveItem(ControlIndex control, int index) override;
    void Show(Activation activation) override;
    void ShowBeside(FormWindow& anchor, Activation activation) override;
    void Hide() override;
    bool Visible() override;
    void SetState(WindowState state) override;
    WindowState State() override;
    void BringToFront() override;
    void PopupMenu(const MenuItem& menu, ControlIndex at) override;

    HWND hwnd() const { return hwnd_; }
    // The control's window, or nullptr for a place past the design's end.
    HWND ControlWindow(ControlIndex control) const;
    void AttachTimer(unsigned id, Win32Timer* timer) { timers_[id] = timer; }
    void DetachTimer(unsigned id, Win32Timer* timer);

    // True for the window of one of the program's forms.
    static bool IsForm(HWND w);

  private:
    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    void OnCommand(WPARAM wp, LPARAM lp);
    bool OnContextMenu(HWND from);
    void PressFocused();
    // Lays the window and its controls out at `dpi`, in `suggested` when Windows gives one.
    void Layout(int dpi, const RECT* suggested);
    void MoveBeside(HWND anchor);
    // The window's size at `dpi`: what a move onto a monitor of that DPI makes it.
    SIZE SizeAtDpi(int dpi) const;
    // The rectangles of the program's other visible, not minimised windows but `anchor`.
    std::vector<RECT> OtherShownForms(HWND anchor) const;
    void OnTimer(WPARAM id);
    void OnActivate(WPARAM wp);
    void OnSetFocus();
    void OnBringBack();
    void OnEndSession(WPARAM ending);
    void OnClose();
    const win32::FormControl* At(ControlIndex control) const;
    const win32::FormControl* FindById(int id) const;
    // The control whose window is `w`, or nullptr for any other window.
    const win32::FormControl* Owned(HWND w) const;
    ControlIndex IndexOf(const win32::FormControl& c) const {
        return static_cast<ControlIndex>(&c - controls_.data());
    }
    void SetHiddenState(WindowState state);
    int ShowCommand(Activation activation) const;
    void ToFront();

    FormEvents& events_;
    const FormDesign design_;
    HWND hwnd_ = nullptr;
    HWND focus_ = nullptr;    // the control to give the focus back to on activation
    win32::FormIcons icons_;  // set on the window at its DPI; they go after it
    // The state asked for while hidden, which the window system can't hold for a hidden window;
    // empty when it is the window's own.
    std::optional<WindowState> hidden_state_;
    win32::OwnedWindow window_;
    std::vector<win32::FormControl> controls_;
    win32::OwnedFont font_;  // the controls' font at the window's DPI; null: the stock one
    win32::OwnedWindow tooltips_;
    std::vector<const MenuItem*> menu_items_;  // of the last menu popped up, by identifier
    std::map<unsigned, Win32Timer*> timers_;
};

}  // namespace kn
