// The program's windows, loaded on first use as their values are first needed, and its run.
#include "core/program.h"

#include "core/form_events.h"
#include "windows/forms.h"

namespace kn {

namespace {

// The form is kept before its load handler runs, so the handler can reach its own window.
template <typename F>
F& Load(std::unique_ptr<F>& kept, std::unique_ptr<F> form, EventTable events) {
    kept = std::move(form);
    kept->Bind(std::move(events));
    kept->Raise("Form_Load");
    return *kept;
}

}  // namespace

Program::Program(GuiRuntime& gui, WindowSystem& ws, CodePage& cp, ProfileStore& profiles)
    : gui_(gui), ws_(ws), cp_(cp), profiles_(profiles), bridge_(ws, cp, gui) {}

Program::~Program() = default;

Form1& Program::form1() {
    if (form1_) return *form1_;
    return Load(form1_, std::make_unique<Form1>(gui_, bridge_), Form1Events(*this));
}

Form2& Program::form2() {
    if (form2_) return *form2_;
    return Load(form2_, std::make_unique<Form2>(gui_), Form2Events(*this));
}

Form3& Program::form3() {
    if (form3_) return *form3_;
    return Load(form3_, std::make_unique<Form3>(gui_), Form3Events(*this));
}

void Program::Run() {
    form1().window().Show(Activation::Activate);
    gui_.RunMessageLoop();
}

}  // namespace kn
