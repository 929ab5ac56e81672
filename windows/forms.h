// The program's three windows. Their controls hold the shared state: the reason, handle,
// idle clock and session flag on Form1, the two colours on Form2, the command count on Form3.
#pragma once

#include <memory>
#include <string_view>

#include "bridge/chat_scanner.h"
#include "platform/gui_runtime.h"
#include "windows/control.h"

namespace kn {

class Program;

class Form1 final : public FormEvents {
  public:
    explicit Form1(Program& program);
    ~Form1() override;

    void Form_Load();
    FormWindow& window() { return *window_; }
    Timer& Timer1() { return *timer1_; }
    ChatScanner& VexoScan1() { return *scanner_; }

    void Click(std::string_view control) override;
    void MenuChosen(std::string_view item) override;
    void CloseRequested() override;

    static constexpr unsigned kTimer1Id = 1;
    static constexpr unsigned kTimer1Interval = 60000;

  private:
    Program& program_;
    std::unique_ptr<FormWindow> window_;

  public:
    Control Text1;   // the idle reason
    Control Label2;  // idle minutes
    Control Label4;  // idle hours
    Control Label5;  // the handle (not visible)

  private:
    std::unique_ptr<Timer> timer1_;  // enabled while an idle session is on
    std::unique_ptr<ChatScanner> scanner_;
};

class Form2 final : public FormEvents {
  public:
    explicit Form2(Program& program);
    ~Form2() override;

    void Form_Load();
    FormWindow& window() { return *window_; }

    void Click(std::string_view control) override;
    void MenuChosen(std::string_view) override {}
    void CloseRequested() override;

  private:
    Program& program_;
    std::unique_ptr<FormWindow> window_;

  public:
    Control Text1;  // colour 1
    Control Text2;  // colour 2
};

class Form3 final : public FormEvents {
  public:
    explicit Form3(Program& program);
    ~Form3() override;

    void Form_Load();
    FormWindow& window() { return *window_; }

    void Click(std::string_view) override {}
    void MenuChosen(std::string_view) override {}
    void CloseRequested() override;

  private:
    Program& program_;
    std::unique_ptr<FormWindow> window_;

  public:
    Control Label1;  // the command count
    Control List1;
};

}  // namespace kn
