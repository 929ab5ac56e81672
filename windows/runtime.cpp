// Forwarding of the runtime services to the platform, with the code-page conversion that
// the profile functions need.
#include "windows/runtime.h"

#include <cstdlib>

#include "platform/code_page.h"
#include "platform/gui_runtime.h"
#include "platform/profile_store.h"

namespace kn {

std::string Runtime::AppPath() {
    return gui_.ProgramDirectory();
}

bool Runtime::FileListed(std::string_view path) {
    return gui_.IsListedFile(path);
}

std::string Runtime::GetProfileString(std::string_view section, std::string_view key,
                                      std::size_t capacity, std::string_view path) {
    return cp_.FromAnsi(
        profiles_.GetString(cp_.ToAnsi(section), cp_.ToAnsi(key), "", capacity, path));
}

bool Runtime::WriteProfileString(std::string_view section, std::string_view key,
                                 std::string_view value, std::string_view path) {
    return profiles_.WriteString(cp_.ToAnsi(section), cp_.ToAnsi(key), cp_.ToAnsi(value), path);
}

std::string Runtime::InputBox(std::string_view prompt, std::string_view title) {
    return gui_.InputBox(prompt, title);
}

void Runtime::MakeTopmost(FormWindow& window) {
    ws_.MakeTopmost(window.Handle());
}

void Runtime::End() {
    gui_.EndProcess();
    std::abort();  // not reached: EndProcess ends the process or unwinds out of the run
}

}  // namespace kn
