// The four windows made from their designs, each event bound to the handler it runs.
#include "windows/forms.h"

#include "windows/designs.h"

namespace kn {

Form::Form(GuiRuntime& gui, FormDesign design, Handler unload)
    : design_(std::move(design)),
      window_(gui.CreateForm(design_, *this)),
      unload_(std::move(unload)) {}

Form::~Form() = default;

void Form::Click(ControlIndex control) {
    if (const auto bound = clicks_.find(control); bound != clicks_.end()) bound->second();
}

void Form::ContextMenu(ControlIndex) {
    if (context_menu_) context_menu_();
}

void Form::MenuChosen(const MenuItem& item) {
    if (const auto bound = menu_.find(&item); bound != menu_.end()) bound->second();
}

class Form1::IconEvents final : public NotifyIconEvents {
  public:
    explicit IconEvents(Form1Handlers& h) : h_(h) {}
    void Click() override { h_.Form1_Icon_Click(); }
    void ContextMenu() override { h_.Form1_Icon_ContextMenu(); }
    void LookDue() override { h_.Form1_Icon_LookDue(); }

  private:
    Form1Handlers& h_;
};

Form1::Form1(GuiRuntime& gui, HostBridge& bridge, WindowSystem& ws, CodePage& cp, Form1Handlers& h)
    : Form(gui, Form1Design(), [&h] { h.Form1_Form_Unload(); }),
      Text1(*window_, form1::Text1),
      Label2(*window_, form1::Label2),
      Label4(*window_, form1::Label4),
      Label5(*window_, form1::Label5),
      Label6(*window_, form1::Label6),
      timer1_(
          gui.CreateTimer(*window_, kTimer1Id, kTimer1Interval, [&h] { h.Form1_Timer1_Timer(); })),
      scanner_(std::make_unique<ChatScanner>(
          bridge, ws, cp, gui, *window_, kScanTimerId,
          [&h](const std::string& name, const std::string& text) {
              h.Form1_VexoScan1_ChatLine(name, text);
          },
          [&h] { h.Form1_VexoScan1_Polled(); })),
      icon_events_(std::make_unique<IconEvents>(h)),
      icon_(gui.CreateNotifyIcon(*window_, *icon_events_)) {
    OnClick(form1::Picture2, [&h] { h.Form1_Picture2_Click(); });
    OnClick(form1::Picture3, [&h] { h.Form1_Picture3_Click(); });
    OnClick(form1::Picture5, [&h] { h.Form1_Picture5_Click(); });
    OnContextMenu([&h] { h.Form1_Form_ContextMenu(); });
    const Form1MenuDesign& menu = Form1Menu();
    OnMenu(menu.mnuon, [&h] { h.Form1_mnuon_Click(); });
    OnMenu(menu.mnuoff, [&h] { h.Form1_mnuoff_Click(); });
    OnMenu(menu.mnucolors, [&h] { h.Form1_mnucolors_Click(); });
    OnMenu(menu.mnuhandle, [&h] { h.Form1_mnuhandle_Click(); });
    OnMenu(menu.mnucommands, [&h] { h.Form1_mnucommands_Click(); });
    OnMenu(menu.mnuminimize, [&h] { h.Form1_mnuminimize_Click(); });
    OnMenu(menu.mnuexit, [&h] { h.Form1_mnuexit_Click(); });
}

Form1::~Form1() = default;

Form2::Form2(GuiRuntime& gui, Form2Handlers& h)
    : Form(gui, Form2Design(), [&h] { h.Form2_Form_Unload(); }),
      Text1(*window_, form2::Text1),
      Text2(*window_, form2::Text2) {
    OnClick(form2::Command1, [&h] { h.Form2_Command1_Click(); });
    OnClick(form2::Command2, [&h] { h.Form2_Command2_Click(); });
    OnClick(form2::Command4, [&h] { h.Form2_Command4_Click(); });
}

Form3::Form3(GuiRuntime& gui, std::vector<std::string> commands, Form3Handlers& h)
    : Form(gui, Form3Design(std::move(commands)), [&h] { h.Form3_Form_Unload(); }),
      Label1(*window_, form3::Label1),
      List1(*window_, form3::List1) {}

Form4::Form4(GuiRuntime& gui, Form4Handlers& h)
    : Form(gui, Form4Design(), [&h] { h.Form4_Form_Unload(); }),
      Label1(*window_, form4::Label1),
      List1(*window_, form4::List1) {}

}  // namespace kn
