// A control of one of the program's windows, bound to its place in the window's design when
// the window is made: the holder of a shared value, read and written there at the moment it is
// needed, never copied.
#pragma once

#include <string>
#include <string_view>

#include "platform/gui_runtime.h"

namespace kn {

class Control {
  public:
    Control(FormWindow& window, ControlIndex place) : window_(window), place_(place) {}
    std::string Text() const { return window_.Text(place_); }
    void SetText(std::string_view text) const { window_.SetText(place_, text); }
    int ItemCount() const { return window_.ItemCount(place_); }
    void AddItem(std::string_view text) const { window_.AddItem(place_, text); }
    void RemoveItem(int index) const { window_.RemoveItem(place_, index); }

  private:
    FormWindow& window_;
    ControlIndex place_;
};

}  // namespace kn
