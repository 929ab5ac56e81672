// The runtime services as the program's forms and its core use them: the program's directory,
// a file listing, the profile strings, the input dialog and the end of the process.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kn {

class GuiRuntime;
class ProfileStore;
class CodePage;
class WindowSystem;
class FormWindow;

class Runtime {
  public:
    Runtime(GuiRuntime& gui, ProfileStore& profiles, CodePage& cp, WindowSystem& ws)
        : gui_(gui), profiles_(profiles), cp_(cp), ws_(ws) {}

    // The directory of the program's executable, without a trailing separator but at a root.
    std::string AppPath();
    // True when `path` names a file (hidden, system and read-only ones included).
    bool FileListed(std::string_view path);
    // The profile strings, taking and giving UTF-8; the file itself is in the ANSI code page.
    // GetProfileString returns at most capacity - 1 bytes of the stored value.
    std::string GetProfileString(std::string_view section, std::string_view key,
                                 std::size_t capacity, std::string_view path);
    bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                            std::string_view path);
    // The modal text-input dialog; Cancel gives "".
    std::string InputBox(std::string_view prompt, std::string_view title);
    // Makes one of the program's windows topmost without moving or sizing it.
    void MakeTopmost(FormWindow& window);
    [[noreturn]] void End();

    GuiRuntime& gui() { return gui_; }

  private:
    GuiRuntime& gui_;
    ProfileStore& profiles_;
    CodePage& cp_;
    WindowSystem& ws_;
};

}  // namespace kn
