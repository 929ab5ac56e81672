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

  private:
    FormWindow& window_;
    std::string name_;
};

}  // namespace kn
