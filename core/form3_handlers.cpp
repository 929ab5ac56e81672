// The command list's handlers: it only stays on top and, closed, hides.
#include "core/form_handlers.h"
#include "core/program.h"
#include "core/startup.h"

namespace kn {

namespace {

class Handlers final : public Form3Handlers {
  public:
    explicit Handlers(Program& p) : p_(p) {}

    void Form3_Form_Load() override { StayOnTop(p_, p_.form3().window()); }
    // Asked to close, it hides: the window and the count start-up set in it stay.
    void Form3_Form_Unload() override { p_.form3().window().Hide(); }

  private:
    Program& p_;
};

}  // namespace

std::unique_ptr<Form3Handlers> MakeForm3Handlers(Program& program) {
    return std::make_unique<Handlers>(program);
}

}  // namespace kn
