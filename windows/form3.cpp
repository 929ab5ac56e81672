// The command list window: sixteen fixed lines and, above them, their count.
#include "core/startup.h"
#include "windows/designs.h"
#include "windows/forms.h"
#include "windows/program.h"

namespace kn {

Form3::Form3(Program& program)
    : program_(program),
      window_(program.gui().CreateForm(Form3Design(), *this)),
      Label1(*window_, "Label1"),
      List1(*window_, "List1") {}

Form3::~Form3() = default;

void Form3::Form_Load() {
    StayOnTop(program_, *window_);
}

// Hidden rather than unloaded, so the count set at start-up stays.
void Form3::CloseRequested() {
    window_->Hide();
}

}  // namespace kn
