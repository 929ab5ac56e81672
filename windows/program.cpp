// The program's windows, loaded on first use as their values are first needed, and its run.
#include "windows/program.h"

#include "platform/gui_runtime.h"
#include "windows/forms.h"

namespace kn {

Program::Program(GuiRuntime& gui, WindowSystem& ws, CodePage& cp, ProfileStore& profiles)
    : gui_(gui), ws_(ws), cp_(cp), profiles_(profiles), bridge_(ws, cp, gui) {}

Program::~Program() = default;

// Each pointer is set before the load handler runs, so the handler can reach its own window.
Form1& Program::form1() {
    if (!form1_) {
        form1_ = std::make_unique<Form1>(*this);
        form1_->Form_Load();
    }
    return *form1_;
}

Form2& Program::form2() {
    if (!form2_) {
        form2_ = std::make_unique<Form2>(*this);
        form2_->Form_Load();
    }
    return *form2_;
}

Form3& Program::form3() {
    if (!form3_) {
        form3_ = std::make_unique<Form3>(*this);
        form3_->Form_Load();
    }
    return *form3_;
}

void Program::Run() {
    form1().window().Show();
    gui_.RunMessageLoop();
}

}  // namespace kn
