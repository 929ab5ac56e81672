// The GUI runtime on the real window system: forms and timers as windows and SetTimer, the
// modal input dialog, the notification icon, the message pump, the performance counter and the
// process itself.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/gui_runtime.h"
#include "platform/win32/win32_notify_icon.h"

namespace kn {

class Win32GuiRuntime final : public GuiRuntime {
  public:
    Win32GuiRuntime();

    std::unique_ptr<FormWindow> CreateForm(const FormDesign& design, FormEvents& events) override;
    std::unique_ptr<Timer> CreateTimer(FormWindow& owner, unsigned id, unsigned interval_ms,
                                       std::function<void()> tick) override;
    std::string InputBox(std::string_view prompt, std::string_view title) override;
    std::unique_ptr<NotifyIcon> CreateNotifyIcon(FormWindow& owner,
                                                 NotifyIconEvents& events) override;
    void DoEvents() override;
    void WaitForEvents(double seconds) override;
    [[noreturn]] void RunMessageLoop() override;
    double Now() override;
    int MinuteOfDay() override;
    bool IsListedFile(std::string_view path) override;
    std::string ProgramDirectory() override;
    [[noreturn]] void EndProcess() override;

  private:
    LARGE_INTEGER frequency_{};
    std::vector<HWND>* held_ = nullptr;    // the forms the open prompt keeps disabled
    std::vector<Win32NotifyIcon*> icons_;  // the notification icons in being
};

}  // namespace kn
