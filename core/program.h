// The running program: the platform's services, its bridge to the host client and its four
// windows, each loaded when first asked for (start-up asks for the first three, a missed line
// for the fourth), bound to its handlers and kept for the whole run.
#pragma once

#include <memory>

#include "bridge/host_bridge.h"
#include "platform/code_page.h"
#include "platform/gui_runtime.h"
#include "platform/profile_store.h"
#include "platform/window_system.h"

namespace kn {

class Form1;
class Form2;
class Form3;
class Form4;
struct Form1Handlers;
struct Form2Handlers;
struct Form3Handlers;
struct Form4Handlers;

class Program {
  public:
    Program(GuiRuntime& gui, WindowSystem& ws, CodePage& cp, ProfileStore& profiles);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Loads the main window, which runs start-up, shows it and handles events until the
    // process ends (or, in replay, until the script has run out).
    void Run();

    // Each window is loaded, running its load handler, the first time it is asked for.
    Form1& form1();
    Form2& form2();
    Form3& form3();
    Form4& form4();
    bool form4_loaded() const { return form4_ != nullptr; }

    GuiRuntime& gui() { return gui_; }
    WindowSystem& window_system() { return ws_; }
    CodePage& code_page() { return cp_; }
    ProfileStore& profiles() { return profiles_; }
    HostBridge& bridge() { return bridge_; }

  private:
    GuiRuntime& gui_;
    WindowSystem& ws_;
    CodePage& cp_;
    ProfileStore& profiles_;
    HostBridge bridge_;
    std::unique_ptr<Form1Handlers> form1_handlers_;
    std::unique_ptr<Form2Handlers> form2_handlers_;
    std::unique_ptr<Form3Handlers> form3_handlers_;
    std::unique_ptr<Form4Handlers> form4_handlers_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form3> form3_;
    std::unique_ptr<Form4> form4_;
};

}  // namespace kn
