// A named control of one of the program's windows: the holder of a shared value, read and
// written there at the moment it is needed, never copied.
#pragma once

#include <string>
#include <string_view>

#include "platform/gui_runtime.h"

namespace kn {

class Control {
  public:
    Control(FormWindow& window, std::string name) : window_(window), name_(std::move(name)) {}
    std::string Text() const { return window_.Text(name_); }
    void SetText(std::string_view text) const { window_.SetText(name_, text); }
    int ItemCount() const { return window_.ItemCount(name_); }
    void AddItem(std::string_view text) const { window_.AddItem(name_, text); }
    void RemoveItem(int index) const { window_.RemoveItem(name_, index); }

  private:
    FormWindow& window_;
    std::string name_;
};

// The place of the control named `name` in `design`. The names are the program's own: a name
// the design lacks is a slip in the program, and it stops at once rather than leave a control
// that nothing reaches.
ControlIndex IndexOf(const FormDesign& design, std::string_view name);

// The item named `name` in the tree under `menu`, stopping as IndexOf does when there is none.
const MenuItem& ItemOf(const MenuItem& menu, std::string_view name);

}  // namespace kn
