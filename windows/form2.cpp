// The colour editor: its two fields hold the colours every line is built with; its buttons
// save them, hide the window, or post a sample line.
#include "core/chat_lines.h"
#include "core/settings_file.h"
#include "core/startup.h"
#include "windows/designs.h"
#include "windows/forms.h"
#include "windows/program.h"

namespace kn {

Form2::Form2(Program& program)
    : program_(program),
      window_(program.gui().CreateForm(Form2Design(), *this)),
      Text1(*window_, "Text1"),
      Text2(*window_, "Text2") {}

Form2::~Form2() = default;

void Form2::Form_Load() {
    StayOnTop(program_, *window_);
}

void Form2::Click(std::string_view control) {
    if (control == "Command1") {
        WriteIni(program_, "prefs", "color1", Text1.Text(), SettingsPath(program_));
        WriteIni(program_, "prefs", "color2", Text2.Text(), SettingsPath(program_));
    } else if (control == "Command2") {
        window_->Hide();
    } else if (control == "Command4") {
        SayColorPreview(program_);
    }
}

// Hidden like "ok" does: unloading would put the design's colours back in force.
void Form2::CloseRequested() {
    window_->Hide();
}

}  // namespace kn
