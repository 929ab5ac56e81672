// One of the program's forms as a real top-level window with its child controls; its window
// procedure turns messages into the form's events.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "platform/gui_runtime.h"
#include "platform/win32/win32_form_controls.h"
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
    std::string Text(std::string_view control) override;
    void SetText(std::string_view control, std::string_view text) override;
    int ItemCount(std::string_view control) override;
    void Show(Activation activation) override;
    void ShowBeside(FormWindow& anchor, Activation activation) override;
    void Hide() override;
    bool Visible() override;
    void SetState(WindowState state) override;
    WindowState State() override;
    void BringToFront() override;
    void PopupMenu(const MenuItem& menu, ControlIndex at) override;

    HWND hwnd() const { return hwnd_; }
    // The control's window, or nullptr for an unknown name.
    HWND ControlWindow(std::string_view control) const;
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
    void OnTimer(WPARAM id);
    void OnActivate(WPARAM wp);
    void OnSetFocus();
    void OnEndSession(WPARAM ending);
    void OnClose();
    const win32::FormControl* Find(std::string_view name) const;
    const win32::FormControl* FindById(int id) const;
    ControlIndex IndexOf(const win32::FormControl& c) const {
        return static_cast<ControlIndex>(&c - controls_.data());
    }
    void SetHiddenState(WindowState state);

    FormEvents& events_;
    const FormDesign design_;
    HWND hwnd_ = nullptr;
    HWND focus_ = nullptr;  // the control to give the focus back to on activation
    win32::OwnedWindow window_;
    std::vector<win32::FormControl> controls_;
    win32::OwnedFont font_;  // the controls' font at the window's DPI; null: the stock one
    win32::OwnedWindow tooltips_;
    std::vector<const MenuItem*> menu_items_;  // of the last menu popped up, by identifier
    std::map<unsigned, Win32Timer*> timers_;
};

}  // namespace kn
