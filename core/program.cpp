// The program's windows, loaded on first use as their values are first needed, and its run.
#include "core/program.h"

#include "core/dispatcher.h"
#include "core/form_handlers.h"
#include "windows/forms.h"

namespace kn {

Program::Program(GuiRuntime& gui, WindowSystem& ws, CodePage& cp, ProfileStore& profiles)
    : gui_(gui),
      ws_(ws),
      cp_(cp),
      profiles_(profiles),
      bridge_(ws, cp, gui),
      form1_handlers_(MakeForm1Handlers(*this)),
      form2_handlers_(MakeForm2Handlers(*this)),
      form3_handlers_(MakeForm3Handlers(*this)),
      form4_handlers_(MakeForm4Handlers(*this)) {}

Program::~Program() = default;

// Each form is kept before its load handler runs, so the handler can reach its own window.
Form1& Program::form1() {
    if (form1_) return *form1_;
    form1_ = std::make_unique<Form1>(gui_, bridge_, ws_, cp_, *form1_handlers_);
    form1_handlers_->Form1_Form_Load();
    return *form1_;
}

Form2& Program::form2() {
    if (form2_) return *form2_;
    form2_ = std::make_unique<Form2>(gui_, *form2_handlers_);
    form2_handlers_->Form2_Form_Load();
    return *form2_;
}

Form3& Program::form3() {
    if (form3_) return *form3_;
    form3_ = std::make_unique<Form3>(gui_, CommandListLines(), *form3_handlers_);
    form3_handlers_->Form3_Form_Load();
    return *form3_;
}

Form4& Program::form4() {
    if (form4_) return *form4_;
    form4_ = std::make_unique<Form4>(gui_, *form4_handlers_);
    form4_handlers_->Form4_Form_Load();
    return *form4_;
}

void Program::Run() {
    form1().window().Show(Activation::Activate);
    gui_.RunMessageLoop();
}

}  // namespace kn
