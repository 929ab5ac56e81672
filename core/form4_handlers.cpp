// The missed-lines window's handlers: it stays on top and, closed, hides.
#include "core/form_handlers.h"
#include "core/missed_lines.h"
#include "core/program.h"
#include "core/startup.h"

namespace kn {

namespace {

class Handlers final : public Form4Handlers {
  public:
    explicit Handlers(Program& p) : p_(p) {}

    void Form4_Form_Load() override {
        p_.form4().Label1.SetText(MissedCountCaption(0));
        StayOnTop(p_, p_.form4().window());
    }
    // Asked to close, it hides: the lines stay until the next idle session starts.
    void Form4_Form_Unload() override { p_.form4().window().Hide(); }

  private:
    Program& p_;
};

}  // namespace

std::unique_ptr<Form4Handlers> MakeForm4Handlers(Program& program) {
    return std::make_unique<Handlers>(program);
}

}  // namespace kn
