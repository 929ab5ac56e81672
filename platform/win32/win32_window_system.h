// The host client as user32 sees it: lookups by class, and messages bounded in time so that a
// host that has stopped answering cannot stop the program.
#pragma once

#include "platform/window_system.h"

namespace kn {

class Win32WindowSystem final : public WindowSystem {
  public:
    WindowHandle FindTopLevel(std::string_view cls) override;
    WindowHandle FindChild(WindowHandle parent, WindowHandle after, std::string_view cls) override;
    bool SetText(WindowHandle w, std::string_view ansi) override;
    bool SendChar(WindowHandle w, unsigned ch) override;
    std::optional<std::size_t> TextLength(WindowHandle w) override;
    std::optional<std::string> Text(WindowHandle w, std::size_t capacity) override;
    std::size_t TitleLength(WindowHandle w) override;
    std::string Title(WindowHandle w, std::size_t capacity) override;
    void MakeTopmost(WindowHandle w) override;
    void SetCaret(WindowHandle w, std::size_t at) override;
    void WatchTextChanges(std::function<void()> changed) override;

    // How long one message to another window may take before it is given up.
    static constexpr unsigned kTimeoutMs = 3000;
};

}  // namespace kn
