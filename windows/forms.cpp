// The three windows made from their designs, and their events turned into names.
#include "windows/forms.h"

#include "bridge/host_bridge.h"
#include "windows/designs.h"

namespace kn {

Form::Form(GuiRuntime& gui, const FormDesign& design) : window_(gui.CreateForm(design, *this)) {}

Form::~Form() = default;

void Form::Raise(std::string_view event, EventArgs args) {
    const auto handler = events_.find(event);
    if (handler != events_.end()) handler->second(args);
}

void Form::Click(std::string_view control) {
    Raise(std::string(control) + "_Click");
}

void Form::ContextMenu(std::string_view) {
    Raise("Form_ContextMenu");
}

void Form::MenuChosen(std::string_view item) {
    Raise(std::string(item) + "_Click");
}

void Form::CloseRequested() {
    Raise("Form_Unload");
}

Form1::Form1(GuiRuntime& gui, HostBridge& bridge)
    : Form(gui, Form1Design()),
      Text1(*window_, "Text1"),
      Label2(*window_, "Label2"),
      Label4(*window_, "Label4"),
      Label5(*window_, "Label5"),
      timer1_(
          gui.CreateTimer(*window_, kTimer1Id, kTimer1Interval, [this] { Raise("Timer1_Timer"); })),
      scanner_(std::make_unique<ChatScanner>(
          bridge, bridge.window_system(), bridge.code_page(), gui, *window_,
          [this](const std::string& name, const std::string& text) {
              const std::string args[] = {name, text};
              Raise("VexoScan1_ChatLine", args);
          })) {}

Form1::~Form1() = default;

Form2::Form2(GuiRuntime& gui)
    : Form(gui, Form2Design()), Text1(*window_, "Text1"), Text2(*window_, "Text2") {}

Form3::Form3(GuiRuntime& gui)
    : Form(gui, Form3Design()), Label1(*window_, "Label1"), List1(*window_, "List1") {}

}  // namespace kn
