// The main window: the skin buttons, the pop-up menu and the closing from outside, each
// turned into the operation it stands for.
#include "core/dispatcher.h"
#include "core/handle_prompt.h"
#include "core/idle_session.h"
#include "core/startup.h"
#include "windows/designs.h"
#include "windows/forms.h"
#include "windows/program.h"

namespace kn {

Form1::Form1(Program& program)
    : program_(program),
      window_(program.gui().CreateForm(Form1Design(), *this)),
      Text1(*window_, "Text1"),
      Label2(*window_, "Label2"),
      Label4(*window_, "Label4"),
      Label5(*window_, "Label5"),
      timer1_(program.gui().CreateTimer(*window_, kTimer1Id, kTimer1Interval,
                                        [&program] { IdleTick(program); })),
      scanner_(std::make_unique<ChatScanner>(
          program.bridge(), program.gui(), *window_,
          [&program](const std::string& name, const std::string& text) {
              HandleChatLine(program, name, text);
          })) {}

Form1::~Form1() = default;

void Form1::Form_Load() {
    StartUp(program_);
}

void Form1::Click(std::string_view control) {
    if (control == "Picture2") {
        window_->SetState(WindowState::Minimized);
    } else if (control == "Picture3") {
        window_->PopupMenu(Form1Menu());
    } else if (control == "Picture5") {
        ExitProgram(program_);
    }
}

void Form1::MenuChosen(std::string_view item) {
    if (item == "mnuon") {
        StartIdleSession(program_);
    } else if (item == "mnuoff") {
        EndIdleSession(program_);
    } else if (item == "mnucolors") {
        program_.form2().window().Show();
    } else if (item == "mnuhandle") {
        AskForHandle(program_);
    } else if (item == "mnucommands") {
        program_.form3().window().Show();
    } else if (item == "mnuminimize") {
        window_->SetState(WindowState::Minimized);
    } else if (item == "mnuexit") {
        ExitProgram(program_);
    }
}

void Form1::CloseRequested() {
    Form1_Form_Unload(program_);
}

}  // namespace kn
