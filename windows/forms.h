// The program's three windows. Their controls hold the shared state: the reason, handle,
// idle clock and session flag on Form1, the two colours on Form2, the command count on Form3.
// What a form does is not its own: it raises each event by name ("Form_Load", "Picture2_Click",
// "mnuon_Click", "Timer1_Timer", "VexoScan1_ChatLine", "Form_ContextMenu", "Form_Unload") to
// the handler its table binds to that name.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "bridge/chat_scanner.h"
#include "platform/gui_runtime.h"
#include "windows/control.h"

namespace kn {

class HostBridge;

// What an event carries: nothing, or ChatLine's screen name and line.
using EventArgs = std::span<const std::string>;
using EventHandler = std::function<void(EventArgs)>;
using EventTable = std::map<std::string, EventHandler, std::less<>>;

class Form : public FormEvents {
  public:
    Form(GuiRuntime& gui, const FormDesign& design);
    ~Form() override;

    FormWindow& window() { return *window_; }

    // Binds the events to their handlers, once, before the form loads.
    void Bind(EventTable events) { events_ = std::move(events); }
    // Runs the handler bound to `event`; an event the table leaves out does nothing.
    void Raise(std::string_view event, EventArgs args = {});

    void Click(std::string_view control) override;
    // The keyboard's context menu on a skin button: the form's Form_ContextMenu handler.
    void ContextMenu(std::string_view control) override;
    void MenuChosen(std::string_view item) override;
    // Closed from outside: the form's Form_Unload handler decides what becomes of it.
    void CloseRequested() override;

  protected:
    std::unique_ptr<FormWindow> window_;

  private:
    EventTable events_;
};

class Form1 final : public Form {
  public:
    Form1(GuiRuntime& gui, HostBridge& bridge);
    ~Form1() override;

    Timer& Timer1() { return *timer1_; }
    ChatScanner& VexoScan1() { return *scanner_; }

    static constexpr unsigned kTimer1Id = 1;
    static constexpr unsigned kTimer1Interval = 60000;

    Control Text1;   // the idle reason
    Control Label2;  // idle minutes
    Control Label4;  // idle hours
    Control Label5;  // the handle (not visible)

  private:
    std::unique_ptr<Timer> timer1_;  // enabled while an idle session is on
    std::unique_ptr<ChatScanner> scanner_;
};

class Form2 final : public Form {
  public:
    explicit Form2(GuiRuntime& gui);

    Control Text1;  // colour 1
    Control Text2;  // colour 2
};

class Form3 final : public Form {
  public:
    explicit Form3(GuiRuntime& gui);

    Control Label1;  // the command count
    Control List1;
};

}  // namespace kn
