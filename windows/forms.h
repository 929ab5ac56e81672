// The program's four windows. Their controls hold the shared state: the reason, handle,
// idle clock, session flag and sign on Form1, the two colours on Form2, the command count on
// Form3, the lines that named the owner while away on Form4.
// What a form does is not its own: each event runs the handler of the same name in the form's
// handlers (Form1_Picture3_Click, Form1_VexoScan1_ChatLine, ...), which the program supplies.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "bridge/chat_scanner.h"
#include "platform/gui_runtime.h"
#include "windows/control.h"
#include "windows/designs.h"

namespace kn {

class CodePage;
class HostBridge;

// The handlers of each window's events, named for window, control and event.
struct Form1Handlers {
    virtual ~Form1Handlers() = default;
    virtual void Form1_Form_Load() = 0;
    virtual void Form1_Form_Unload() = 0;  // asked to close, from outside the program
    virtual void Form1_Timer1_Timer() = 0;
    virtual void Form1_VexoScan1_ChatLine(const std::string& screen_name,
                                          const std::string& text) = 0;
    virtual void Form1_VexoScan1_Polled() = 0;  // after each poll, its lines raised
    virtual void Form1_Picture2_Click() = 0;
    virtual void Form1_Picture3_Click() = 0;
    virtual void Form1_Picture5_Click() = 0;
    virtual void Form1_Form_ContextMenu() = 0;  // the keyboard's context menu on a skin button
    // The notification icon: clicked, its menu asked for, its look perhaps out of date.
    virtual void Form1_Icon_Click() = 0;
    virtual void Form1_Icon_ContextMenu() = 0;
    virtual void Form1_Icon_LookDue() = 0;
    virtual void Form1_mnuon_Click() = 0;
    virtual void Form1_mnuoff_Click() = 0;
    virtual void Form1_mnucolors_Click() = 0;
    virtual void Form1_mnuhandle_Click() = 0;
    virtual void Form1_mnucommands_Click() = 0;
    virtual void Form1_mnuminimize_Click() = 0;
    virtual void Form1_mnuexit_Click() = 0;
};

struct Form2Handlers {
    virtual ~Form2Handlers() = default;
    virtual void Form2_Form_Load() = 0;
    virtual void Form2_Form_Unload() = 0;  // asked to close
    virtual void Form2_Command1_Click() = 0;
    virtual void Form2_Command2_Click() = 0;
    virtual void Form2_Command4_Click() = 0;
};

struct Form3Handlers {
    virtual ~Form3Handlers() = default;
    virtual void Form3_Form_Load() = 0;
    virtual void Form3_Form_Unload() = 0;  // asked to close
};

struct Form4Handlers {
    virtual ~Form4Handlers() = default;
    virtual void Form4_Form_Load() = 0;
    virtual void Form4_Form_Unload() = 0;  // asked to close
};

// What every window has: its window, made from its design, and the clicks, menu choices and
// closing it hears, each bound to the handler it runs.
class Form : public FormEvents {
  public:
    ~Form() override;
    FormWindow& window() { return *window_; }

    void Click(ControlIndex control) override;
    void ContextMenu(ControlIndex control) override;
    void MenuChosen(const MenuItem& item) override;
    void CloseRequested() override { unload_(); }

  protected:
    using Handler = std::function<void()>;
    Form(GuiRuntime& gui, FormDesign design, Handler unload);
    // A click on the design's control at `control` runs `handler`.
    void OnClick(ControlIndex control, Handler handler) { clicks_[control] = std::move(handler); }
    // The keyboard's context menu on a skin button runs `handler`.
    void OnContextMenu(Handler handler) { context_menu_ = std::move(handler); }
    // Choosing `item` from a menu this window popped up runs `handler`.
    void OnMenu(const MenuItem& item, Handler handler) { menu_[&item] = std::move(handler); }

    const FormDesign design_;
    std::unique_ptr<FormWindow> window_;

  private:
    Handler unload_, context_menu_;
    std::map<ControlIndex, Handler> clicks_;
    std::map<const MenuItem*, Handler> menu_;
};

class Form1 final : public Form {
  public:
    // The chat scanner finds the room through `bridge` and reads it with `ws` and `cp`.
    Form1(GuiRuntime& gui, HostBridge& bridge, WindowSystem& ws, CodePage& cp,
          Form1Handlers& handlers);
    ~Form1() override;

    Timer& Timer1() { return *timer1_; }
    ChatScanner& VexoScan1() { return *scanner_; }
    // The program's icon in the notification area, made with the window and shown by the load.
    NotifyIcon& Icon() { return *icon_; }

    // The main window's timers, one identifier each.
    static constexpr unsigned kTimer1Id = 1;
    static constexpr unsigned kScanTimerId = 2;  // the chat scanner's poll
    static constexpr unsigned kTimer1Interval = 60000;

    Control Text1;   // the idle reason
    Control Label2;  // idle minutes
    Control Label4;  // idle hours
    Control Label5;  // the handle (not visible)
    Control Label6;  // the sign: whether the room hears the program

  private:
    class IconEvents;
    std::unique_ptr<Timer> timer1_;  // enabled while an idle session is on
    std::unique_ptr<ChatScanner> scanner_;
    std::unique_ptr<IconEvents> icon_events_;
    std::unique_ptr<NotifyIcon> icon_;
};

class Form2 final : public Form {
  public:
    Form2(GuiRuntime& gui, Form2Handlers& handlers);

    Control Text1;  // colour 1
    Control Text2;  // colour 2
};

class Form3 final : public Form {
  public:
    // `commands` are the list's lines, one for each command in the room, in the order shown.
    Form3(GuiRuntime& gui, std::vector<std::string> commands, Form3Handlers& handlers);

    Control Label1;  // the command count
    Control List1;   // the commands
};

class Form4 final : public Form {
  public:
    Form4(GuiRuntime& gui, Form4Handlers& handlers);

    Control Label1;  // how many lines are kept
    Control List1;   // the kept lines, "HH:MM NAME: TEXT", oldest first
};

}  // namespace kn
