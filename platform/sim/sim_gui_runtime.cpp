// The simulated GUI runtime; the forms' visible changes become record lines.
#include "platform/sim/sim_gui_runtime.h"

#include <filesystem>
#include <system_error>

namespace kn::sim {

namespace {

class SimTimer final : public Timer {
  public:
    SimTimer(Scheduler& scheduler, int slot) : scheduler_(scheduler), slot_(slot) {}
    ~SimTimer() override { scheduler_.EnableTimer(slot_, false); }
    void SetEnabled(bool on) override { scheduler_.EnableTimer(slot_, on); }
    bool Enabled() override { return scheduler_.TimerEnabled(slot_); }

  private:
    Scheduler& scheduler_;
    int slot_;
};

}  // namespace

SimGuiRuntime::SimGuiRuntime(Scheduler& scheduler, SimWindowSystem& ws, Record& record,
                             std::string program_dir)
    : scheduler_(scheduler), ws_(ws), record_(record), program_dir_(std::move(program_dir)) {}

SimGuiRuntime::~SimGuiRuntime() = default;

std::unique_ptr<FormWindow> SimGuiRuntime::CreateForm(const FormDesign& design,
                                                      FormEvents& events) {
    const WindowHandle handle = ws_.Create(0, "kelvarnook." + design.name, design.caption);
    auto form = std::make_unique<SimForm>(*this, design, handle);
    forms_[design.name] = {form.get(), &events};
    return form;
}

std::unique_ptr<Timer> SimGuiRuntime::CreateTimer(FormWindow& owner, unsigned id,
                                                  unsigned interval_ms,
                                                  std::function<void()> tick) {
    const int slot = scheduler_.AddTimer(Micros{interval_ms} * 1000, std::move(tick));
    std::string form;
    for (const auto& [name, entry] : forms_) {
        if (entry.first == &owner) form = name;
    }
    timers_.push_back({form, id, slot});
    return std::make_unique<SimTimer>(scheduler_, slot);
}

std::string SimGuiRuntime::InputBox(std::string_view prompt, std::string_view /*title*/) {
    record_.Line("prompt", prompt);
    prompts_.push_back({std::string(prompt), false, {}});
    const std::size_t mine = prompts_.size() - 1;
    scheduler_.EnterModal();
    struct Leave {
        Scheduler& s;
        ~Leave() { s.LeaveModal(); }
    } leave{scheduler_};
    while (!prompts_[mine].closed) {
        if (scheduler_.SourceFinished()) throw RunOver{};
        scheduler_.WaitForEvents(kForever / 2);
    }
    std::string answer = std::move(prompts_[mine].answer);
    prompts_.pop_back();
    return answer;
}

bool SimGuiRuntime::Answer(std::string answer) {
    for (auto it = prompts_.rbegin(); it != prompts_.rend(); ++it) {
        if (it->closed) continue;
        it->closed = true;
        it->answer = std::move(answer);
        scheduler_.ReturnAfterThis();  // start-up goes on before the rest of this instant
        return true;
    }
    return false;
}

bool SimGuiRuntime::IsListedFile(std::string_view path) {
    std::error_code ec;
    const auto status = std::filesystem::status(std::filesystem::path(path), ec);
    return !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

void SimGuiRuntime::EndProcess() {
    record_.Line("exit");
    throw ProcessEnded{};
}

SimForm* SimGuiRuntime::Form(std::string_view name) {
    const auto it = forms_.find(name);
    return it == forms_.end() ? nullptr : it->second.first;
}

FormEvents* SimGuiRuntime::Events(std::string_view name) {
    const auto it = forms_.find(name);
    return it == forms_.end() ? nullptr : it->second.second;
}

bool SimGuiRuntime::TimerEnabled(std::string_view form, unsigned id) {
    for (const TimerKey& t : timers_) {
        if (t.form == form && t.id == id) return scheduler_.TimerEnabled(t.slot);
    }
    return false;
}

SimForm::SimForm(SimGuiRuntime& runtime, const FormDesign& design, WindowHandle handle)
    : runtime_(runtime), name_(design.name), handle_(handle) {
    for (const ControlDesign& c : design.controls) {
        controls_.push_back({c.text, c.items, c.status, c.kind == ControlKind::ListBox});
    }
}

SimForm::~SimForm() {
    runtime_.forms_.erase(name_);
    runtime_.ws_.Destroy(handle_);
}

std::string SimForm::Text(ControlIndex control) {
    const ControlState* c = At(control);
    return c ? c->text : std::string();
}

// The program's one status control is the main window's sign, recorded as such.
void SimForm::SetText(ControlIndex control, std::string_view text) {
    ControlState* c = At(control);
    if (!c) return;
    const bool announced = c->status && c->text != text;
    c->text = text;
    if (announced) runtime_.record_.Line("sign", text);
}

int SimForm::ItemCount(ControlIndex control) {
    const ControlState* c = At(control);
    return c ? static_cast<int>(c->items.size()) : 0;
}

void SimForm::AddItem(ControlIndex control, std::string_view text) {
    ControlState* c = At(control);
    if (c && c->list) c->items.emplace_back(text);
}

void SimForm::RemoveItem(ControlIndex control, int index) {
    ControlState* c = At(control);
    if (!c || index < 0) return;
    std::vector<std::string>& items = c->items;
    if (static_cast<std::size_t>(index) < items.size()) items.erase(items.begin() + index);
}

std::vector<std::string> SimForm::Items(ControlIndex control) const {
    return control < controls_.size() ? controls_[control].items : std::vector<std::string>();
}

std::unique_ptr<NotifyIcon> SimGuiRuntime::CreateNotifyIcon(FormWindow&, NotifyIconEvents&) {
    return std::make_unique<SimNotifyIcon>();
}

void SimForm::Show(Activation) {
    if (visible_) return;
    visible_ = true;
    runtime_.record_.Line("window", name_ + " shown");
}

void SimForm::Hide() {
    if (!visible_) return;
    visible_ = false;
    runtime_.record_.Line("window", name_ + " hidden");
}

void SimForm::SetState(WindowState state) {
    if (state == state_) return;
    state_ = state;
    runtime_.record_.Line("window",
                          name_ + (state == WindowState::Minimized ? " minimized" : " normal"));
}

}  // namespace kn::sim
