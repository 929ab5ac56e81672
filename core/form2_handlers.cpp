// The colour editor's handlers: save, ok, preview, and its closing.
#include "core/chat_lines.h"
#include "core/form_handlers.h"
#include "core/program.h"
#include "core/settings_file.h"
#include "core/startup.h"

namespace kn {

namespace {

class Handlers final : public Form2Handlers {
  public:
    explicit Handlers(Program& p) : p_(p) {}

    void Form2_Form_Load() override { StayOnTop(p_, p_.form2().window()); }
    // Asked to close, it hides like "ok" does: the colours typed stay in force.
    void Form2_Form_Unload() override { p_.form2().window().Hide(); }
    void Form2_Command1_Click() override { SaveColours(p_); }
    void Form2_Command2_Click() override { p_.form2().window().Hide(); }
    void Form2_Command4_Click() override { SayColorPreview(p_); }

  private:
    Program& p_;
};

}  // namespace

std::unique_ptr<Form2Handlers> MakeForm2Handlers(Program& program) {
    return std::make_unique<Handlers>(program);
}

}  // namespace kn
