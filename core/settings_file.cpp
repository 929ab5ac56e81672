// Reading and writing the settings file through the profile strings.
#include "core/settings_file.h"

#include <algorithm>

#include "platform/ascii.h"
#include "windows/program.h"

namespace kn {

std::string SettingsPath(Program& program) {
    return program.runtime().AppPath() + "/kelvarnook.ini";
}

std::string ReadIni(Program& program, std::string_view section, std::string_view key,
                    std::string_view file) {
    const std::string lower = LowerAscii(key);
    // The profile call cuts what doesn't fit; grow until the value comes back whole.
    for (std::size_t capacity = 750;; capacity *= 4) {
        std::string value = program.runtime().GetProfileString(section, lower, capacity, file);
        if (value.size() + 1 < capacity || capacity > (std::size_t{1} << 28)) return value;
    }
}

void WriteIni(Program& program, std::string_view section, std::string_view key,
              std::string_view value, std::string_view file) {
    std::string one_line(value);
    std::replace_if(
        one_line.begin(), one_line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    // The result is ignored on purpose: a failed write is not the owner's to handle.
    (void)program.runtime().WriteProfileString(section, UpperAscii(key), one_line, file);
}

bool FileExists(Program& program, std::string_view path) {
    if (path.empty()) return false;
    return program.runtime().FileListed(path);
}

}  // namespace kn
