// The simulator's GUI runtime: headless windows whose controls hold their values, timers and
// the handle prompt on the scheduler's clock, and the record of what the windows do.
#pragma once

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/gui_runtime.h"
#include "platform/sim/record.h"
#include "platform/sim/sim_scheduler.h"
#include "platform/sim/sim_window_system.h"

namespace kn::sim {

// Thrown by EndProcess: the program has ended; nothing of it runs any more.
struct ProcessEnded {};
// Thrown when the run can't go on: the source has finished while the program still waits in
// a modal prompt that nobody can answer any more.
struct RunOver {};

class SimForm;

class SimGuiRuntime final : public GuiRuntime {
  public:
    SimGuiRuntime(Scheduler& scheduler, SimWindowSystem& ws, Record& record,
                  std::string program_dir);
    ~SimGuiRuntime() override;

    std::unique_ptr<FormWindow> CreateForm(const FormDesign& design, FormEvents& events) override;
    std::unique_ptr<Timer> CreateTimer(FormWindow& owner, unsigned id, unsigned interval_ms,
                                       std::function<void()> tick) override;
    std::string InputBox(std::string_view prompt, std::string_view title) override;
    std::unique_ptr<NotifyIcon> CreateNotifyIcon(FormWindow&, NotifyIconEvents&) override;
    void DoEvents() override { scheduler_.DoEvents(); }
    // Rounded up: a wait of a fraction of the clock's tick must still let time pass.
    void WaitForEvents(double seconds) override {
        scheduler_.WaitForEvents(static_cast<Micros>(std::ceil(seconds * 1e6)));
    }
    void RunMessageLoop() override { scheduler_.RunMessageLoop(); }
    double Now() override { return static_cast<double>(scheduler_.Now()) / 1e6; }
    // The clock starts at midnight, so a record's times read as times of day.
    int MinuteOfDay() override { return static_cast<int>(scheduler_.Now() / 60'000'000 % 1440); }
    bool IsListedFile(std::string_view path) override;
    std::string ProgramDirectory() override { return program_dir_; }
    [[noreturn]] void EndProcess() override;

    // What the script and the terminal reach: the loaded windows by name, their events, the
    // timers and the open prompt.
    SimForm* Form(std::string_view name);
    FormEvents* Events(std::string_view name);
    bool TimerEnabled(std::string_view form, unsigned id);
    // An answered prompt no longer holds the windows, though its dialog loop has yet to end.
    bool PromptOpen() const {
        return std::any_of(prompts_.begin(), prompts_.end(),
                           [](const Prompt& p) { return !p.closed; });
    }
    std::string OpenPrompt() const { return prompts_.empty() ? "" : prompts_.back().prompt; }
    // Closes the innermost open prompt with `answer` (OK) or "" (Cancel).
    bool Answer(std::string answer);
    bool Cancel() { return Answer(std::string()); }

    Record& record() { return record_; }
    Scheduler& scheduler() { return scheduler_; }

  private:
    friend class SimForm;
    struct Prompt {
        std::string prompt;
        bool closed = false;
        std::string answer;
    };
    struct TimerKey {
        std::string form;
        unsigned id;
        int slot;
    };

    Scheduler& scheduler_;
    SimWindowSystem& ws_;
    Record& record_;
    std::string program_dir_;
    std::map<std::string, std::pair<SimForm*, FormEvents*>, std::less<>> forms_;
    std::vector<TimerKey> timers_;
    std::vector<Prompt> prompts_;
};

// The simulated notification area holds the icon's last look and nothing asks for it: the
// simulated person has no pointer to rest on it, and the record has no line for it.
class SimNotifyIcon final : public NotifyIcon {
  public:
    void Show(const NotifyLook& look) override { look_ = look; }
    void Remove() override {}
    const NotifyLook& look() const { return look_; }

  private:
    NotifyLook look_;
};

// A headless window: controls hold their values, and visibility changes are recorded.
class SimForm final : public FormWindow {
  public:
    SimForm(SimGuiRuntime& runtime, const FormDesign& design, WindowHandle handle);
    ~SimForm() override;

    WindowHandle Handle() override { return handle_; }
    std::string Text(ControlIndex control) override;
    void SetText(ControlIndex control, std::string_view text) override;
    int ItemCount(ControlIndex control) override;
    void AddItem(ControlIndex control, std::string_view text) override;
    void RemoveItem(ControlIndex control, int index) override;
    // A list box's lines, for the terminal to show; none for a place past the design's end.
    std::vector<std::string> Items(ControlIndex control) const;
    // The simulated windows have no keyboard and no places: a window shown is recorded as
    // shown, whichever way it was asked for.
    void Show(Activation activation) override;
    void ShowBeside(FormWindow&, Activation activation) override { Show(activation); }
    void Hide() override;
    bool Visible() override { return visible_; }
    void SetState(WindowState state) override;
    WindowState State() override { return state_; }
    void BringToFront() override {}
    void PopupMenu(const MenuItem& menu, ControlIndex) override { popped_ = &menu; }

    const std::string& name() const { return name_; }
    const MenuItem* popped_menu() const { return popped_; }

  private:
    struct ControlState {
        std::string text;
        std::vector<std::string> items;
        bool status = false;
        bool list = false;
    };
    ControlState* At(ControlIndex control) {
        return control < controls_.size() ? &controls_[control] : nullptr;
    }
    SimGuiRuntime& runtime_;
    std::string name_;
    WindowHandle handle_;
    std::vector<ControlState> controls_;  // in design order
    bool visible_ = false;
    WindowState state_ = WindowState::Normal;
    const MenuItem* popped_ = nullptr;
};

}  // namespace kn::sim
