// Reading and writing the settings file through the profile strings.
#include "core/settings_file.h"

#include <algorithm>

#include "core/program.h"
#include "platform/ascii.h"
#include "platform/code_page.h"
#include "platform/gui_runtime.h"
#include "platform/profile_store.h"
#include "windows/forms.h"

namespace kn {

namespace {

// The profile strings take and give UTF-8 here; the file holds the ANSI code page, and the path
// stays UTF-8. At most capacity - 1 bytes of the stored value come back.
std::string GetProfileString(Program& p, std::string_view section, std::string_view key,
                             std::string_view fallback, std::size_t capacity,
                             std::string_view path) {
    CodePage& cp = p.code_page();
    return cp.FromAnsi(p.profiles().GetString(cp.ToAnsi(section), cp.ToAnsi(key),
                                              cp.ToAnsi(fallback), capacity, path));
}

bool WriteProfileString(Program& p, std::string_view section, std::string_view key,
                        std::string_view value, std::string_view path) {
    CodePage& cp = p.code_page();
    return p.profiles().WriteString(cp.ToAnsi(section), cp.ToAnsi(key), cp.ToAnsi(value), path);
}

}  // namespace

std::string SettingsPath(Program& program) {
    return program.gui().ProgramDirectory() + "/kelvarnook.ini";
}

std::string ReadIni(Program& program, std::string_view section, std::string_view key,
                    std::string_view file, std::string_view missing) {
    const std::string lower = LowerAscii(key);
    // The profile call cuts what doesn't fit; grow until the value comes back whole.
    for (std::size_t capacity = 750;; capacity *= 4) {
        std::string value = GetProfileString(program, section, lower, missing, capacity, file);
        if (value.size() + 1 < capacity || capacity > (std::size_t{1} << 28)) return value;
    }
}

void WriteIni(Program& program, std::string_view section, std::string_view key,
              std::string_view value, std::string_view file) {
    std::string one_line(value);
    std::replace_if(
        one_line.begin(), one_line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    // The result is ignored on purpose: a failed write is not the owner's to handle.
    (void)WriteProfileString(program, section, UpperAscii(key), one_line, file);
}

bool FileExists(Program& program, std::string_view path) {
    if (path.empty()) return false;
    return program.gui().IsListedFile(path);
}

void SaveHandle(Program& program) {
    WriteIni(program, "prefs", "handle", program.form1().Label5.Text(), SettingsPath(program));
}

void SaveColours(Program& program) {
    Form2& form2 = program.form2();
    WriteIni(program, "prefs", "color1", form2.Text1.Text(), SettingsPath(program));
    WriteIni(program, "prefs", "color2", form2.Text2.Text(), SettingsPath(program));
}

}  // namespace kn
