// The settings file beside the program: four values kept between runs in section "prefs".
// Read once at start-up; a writer stores what it changed, start-up both colours at once.
#pragma once

#include <string>
#include <string_view>

namespace kn {

class Program;

// The program's directory followed directly by "/kelvarnook.ini", built afresh every time.
std::string SettingsPath(Program& program);

// The stored value of `key` (matched in lower case), whole; `missing` when the file, the
// section or the key is not there (an entry that is there but empty reads as "").
std::string ReadIni(Program& program, std::string_view section, std::string_view key,
                    std::string_view file, std::string_view missing = "");

// Stores `value` under the upper-cased `key`; a line break in it is stored as a blank so the
// file stays one entry a line. A failed write goes unnoticed, as the owner can't act on it.
void WriteIni(Program& program, std::string_view section, std::string_view key,
              std::string_view value, std::string_view file);

// Stores the handle label's text as "handle".
void SaveHandle(Program& program);
// Stores the colour editor's two colours as "color1" and "color2", both at once.
void SaveColours(Program& program);

// True when `path` names a file, hidden, system and read-only ones included; never raises.
bool FileExists(Program& program, std::string_view path);

}  // namespace kn
