// One simulator run, and what the script verbs do to the program's windows.
#include "app/sim/world.h"

#include <iostream>
#include <map>
#include <string>

#include "windows/designs.h"
#include "windows/forms.h"

namespace kn::sim {

namespace {

std::unique_ptr<Clock> MakeClock(double speed) {
    if (speed > 0) return std::make_unique<RealClock>(speed);
    return std::make_unique<VirtualClock>();
}

// The script's names of what it clicks and types into, bound once, from the designs' own
// names, to the main window's menu items and to the controls: "Form1.Text1", "Form2.Command1".
class ScriptNames {
  public:
    ScriptNames() {
        for (const FormDesign* design : {&Form1Design(), &Form2Design()}) {
            for (ControlIndex i = 0; i < design->controls.size(); ++i) {
                controls_[design->name + "." + design->controls[i].name] = i;
            }
        }
        AddItems(Form1Menu().root);
    }
    // kNoControl for a name that is none of theirs, which the window ignores; the parser lets
    // only theirs through.
    ControlIndex Control(std::string_view name) const {
        const auto it = controls_.find(name);
        return it == controls_.end() ? kNoControl : it->second;
    }
    const MenuItem* Item(std::string_view name) const {
        const auto it = items_.find(name);
        return it == items_.end() ? nullptr : it->second;
    }

  private:
    void AddItems(const MenuItem& menu) {
        for (const MenuItem& item : menu.children) {
            items_[item.name] = &item;
            AddItems(item);
        }
    }
    std::map<std::string, ControlIndex, std::less<>> controls_;
    std::map<std::string, const MenuItem*, std::less<>> items_;
};

const ScriptNames& Names() {
    static const ScriptNames names;
    return names;
}

}  // namespace

const char* Form1State(SimForm* f1) {
    if (!f1 || !f1->Visible()) return "hidden";
    return f1->State() == WindowState::Minimized ? "minimized" : "normal";
}

World::World(const Options& options)
    : clock_(MakeClock(options.speed)),
      scheduler_(*clock_),
      record_(scheduler_, options.out),
      gui_(scheduler_, ws_, record_, options.dir),
      host_(ws_, cp_, record_, options.screen_name) {
    // A change in the host's windows wakes the scanner at once, once per change burst.
    ws_.SetChangeSink([this] {
        const Micros now = scheduler_.Now();
        if (poll_posted_at_ == now) return;
        poll_posted_at_ = now;
        scheduler_.Post([this, now] {
            if (poll_posted_at_ == now) poll_posted_at_ = -1;
            ws_.NotifyListener();
        });
    });
    ws_.AnswerWhen([this] { return scheduler_.Now() >= busy_until_; });
    program_ = std::make_unique<Program>(gui_, ws_, cp_, profiles_);
}

World::~World() = default;

int World::Run(EventSource& source) {
    scheduler_.SetSource(&source);
    try {
        host_.Start();
        program_->Run();
    } catch (const ProcessEnded&) {
        ended_ = true;
    } catch (const RunOver&) {
        // The source finished while a prompt waited for an answer: the run is over.
    } catch (const EventFault& fault) {
        std::cerr << "line " << fault.line << ": " << fault.what << '\n';
        return 2;
    }
    return 0;
}

SimForm& World::LoadedForm(const Event& e, std::string_view name) {
    SimForm* form = gui_.Form(name);
    if (!form) throw EventFault{e.line, std::string(name) + " is not loaded"};
    return *form;
}

// The prompt disables the program's other windows, so a person's clicks and keys there are
// lost; a close from outside the program still reaches the main window.
bool World::HeldByPrompt(const Event& e) const {
    // Of the verbs acting on the windows, only `close Form1` names the main window alone.
    return gui_.PromptOpen() && e.verb->acts == Acts::OnWindows && e.first != "Form1";
}

// The main window's controls and items go by their bare names, the editor's as "Form2.NAME".
void World::Click(const Event& e) {
    const std::string_view target = e.first;
    const bool editor = target.starts_with("Form2.");
    LoadedForm(e, editor ? "Form2" : "Form1");
    if (HeldByPrompt(e)) return;
    if (const MenuItem* item = Names().Item(target)) {
        gui_.Events("Form1")->MenuChosen(*item);
    } else if (editor) {
        gui_.Events("Form2")->Click(Names().Control(target));
    } else {
        gui_.Events("Form1")->Click(Names().Control("Form1." + std::string(target)));
    }
}

void World::TypeInto(const Event& e) {
    const std::size_t dot = e.first.find('.');
    SimForm& form = LoadedForm(e, e.first.substr(0, dot));
    if (HeldByPrompt(e)) return;
    form.SetText(Names().Control(e.first), e.second);
}

void World::Close(const Event& e) {
    SimForm& form = LoadedForm(e, e.first);
    if (e.first != "Form1" && !form.Visible()) throw EventFault{e.line, e.first + " is hidden"};
    if (HeldByPrompt(e)) return;
    gui_.Events(e.first)->CloseRequested();
}

void World::Dump() {
    SimForm* f1 = gui_.Form("Form1");
    SimForm* f2 = gui_.Form("Form2");
    SimForm* f3 = gui_.Form("Form3");
    SimForm* f4 = gui_.Form("Form4");
    auto text = [](SimForm* f, ControlIndex control) { return f ? f->Text(control) : ""; };
    auto shown = [](SimForm* f) { return f && f->Visible() ? "shown" : "hidden"; };
    const std::pair<const char*, std::string> lines[] = {
        {"Form1.Text1", text(f1, form1::Text1)},
        {"Form1.Label5", text(f1, form1::Label5)},
        {"Form1.Label2", text(f1, form1::Label2)},
        {"Form1.Label4", text(f1, form1::Label4)},
        {"Form1.Timer1", gui_.TimerEnabled("Form1", Form1::kTimer1Id) ? "on" : "off"},
        {"Form1", Form1State(f1)},
        {"Form2.Text1", text(f2, form2::Text1)},
        {"Form2.Text2", text(f2, form2::Text2)},
        {"Form2", shown(f2)},
        {"Form3.Label1", text(f3, form3::Label1)},
        {"Form3", shown(f3)},
        {"input", host_.InputText()},
        {"sign", text(f1, form1::Label6)},
        {"Form4", shown(f4)},
        {"missed", std::to_string(f4 ? f4->ItemCount(form4::List1) : 0)},
    };
    for (const auto& [key, value] : lines) record_.Line("state", std::string(key) + "=" + value);
}

}  // namespace kn::sim
