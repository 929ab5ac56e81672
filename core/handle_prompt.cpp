// The handle prompt, shared by start-up and the menu's "handle" item.
#include "core/handle_prompt.h"

#include "core/program.h"
#include "core/settings_file.h"
#include "windows/designs.h"
#include "windows/forms.h"

namespace kn {

void AskForHandle(Program& program) {
    const std::string answer =
        program.gui().InputBox("input your handle in lowercase letters please", kProgramTitle);
    Form1& form1 = program.form1();
    form1.Label5.SetText(answer);
    SaveHandle(program);
}

}  // namespace kn
