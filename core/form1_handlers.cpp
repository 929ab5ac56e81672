// The main window's handlers: start-up and the closing from outside, the minute tick, the
// room's lines, the skin buttons, the pop-up menu and the notification icon.
#include "core/dispatcher.h"
#include "core/form_handlers.h"
#include "core/handle_prompt.h"
#include "core/idle_session.h"
#include "core/notify_icon.h"
#include "core/program.h"
#include "core/sign.h"
#include "core/startup.h"
#include "windows/designs.h"

namespace kn {

namespace {

class Handlers final : public Form1Handlers {
  public:
    explicit Handlers(Program& p) : p_(p) {}

    // The icon is there before start-up can open the handle prompt.
    void Form1_Form_Load() override {
        ShowNotifyIcon(p_);
        StartUp(p_);
    }
    // Closed from outside, the program still keeps the reason: without it a reason set since
    // the last exit sequence would be lost. What remains is the exit sequence itself.
    void Form1_Form_Unload() override { ExitProgram(p_); }
    void Form1_Timer1_Timer() override { IdleTick(p_); }
    void Form1_VexoScan1_ChatLine(const std::string& screen_name,
                                  const std::string& text) override {
        HandleChatLine(p_, screen_name, text);
    }
    void Form1_VexoScan1_Polled() override { UpdateSign(p_); }

    void Form1_Picture2_Click() override { Minimize(); }
    void Form1_Picture3_Click() override { PopUpMenu(); }
    void Form1_Picture5_Click() override { ExitProgram(p_); }
    // The menu from the keyboard, on any skin button: at ops, where a click would open it.
    void Form1_Form_ContextMenu() override { PopUpMenu(); }
    void Form1_Icon_Click() override { RestoreFromIcon(p_); }
    // The same menu as ops, at the pointer, wherever the main window is.
    void Form1_Icon_ContextMenu() override {
        p_.form1().window().PopupMenu(Form1Menu().root, kNoControl);
    }
    void Form1_Icon_LookDue() override { ShowNotifyIcon(p_); }

    void Form1_mnuon_Click() override { StartIdleSession(p_); }
    void Form1_mnuoff_Click() override { EndIdleSession(p_); }
    void Form1_mnucolors_Click() override { ShowBesideMe(p_.form2().window()); }
    void Form1_mnuhandle_Click() override { AskForHandle(p_); }
    void Form1_mnucommands_Click() override { ShowBesideMe(p_.form3().window()); }
    void Form1_mnuminimize_Click() override { Minimize(); }
    void Form1_mnuexit_Click() override { ExitProgram(p_); }

  private:
    void Minimize() { p_.form1().window().SetState(WindowState::Minimized); }
    void PopUpMenu() { p_.form1().window().PopupMenu(Form1Menu().root, form1::Picture3); }
    // Opened from the program's own window, the window takes the keyboard as usual.
    void ShowBesideMe(FormWindow& window) {
        window.ShowBeside(p_.form1().window(), Activation::Activate);
    }

    Program& p_;
};

}  // namespace

std::unique_ptr<Form1Handlers> MakeForm1Handlers(Program& program) {
    return std::make_unique<Handlers>(program);
}

}  // namespace kn
