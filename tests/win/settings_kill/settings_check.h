// Judging the settings file that a killed kelvarnook.exe left: still a whole profile, and each
// key holding its value from before the round or one the round wrote.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace kn::killtest {

// Key (upper case, as the program writes it) to value.
using Values = std::map<std::string, std::string>;
// Key to every value it may hold.
using Allowed = std::map<std::string, std::set<std::string>>;

// The four keys the program writes, in the order they stand in the file.
inline constexpr std::string_view kKeys[] = {"HANDLE", "COLOR1", "COLOR2", "REASON"};

// The bytes as the profile the program writes: "[prefs]" and then each of the four keys once,
// every line ended by CR LF. Anything else (a cut line, a missing or doubled key, a stray
// line, a missing line end) is a torn file; `why` then says what is wrong.
std::optional<Values> ParseSettings(std::string_view bytes, std::string* why);

// Empty when each key of `values` holds one of its allowed values; otherwise what does not.
std::string Disallowed(const Values& values, const Allowed& allowed);

// The bytes of a whole file holding `values`.
std::string SettingsBytes(const Values& values);

// The checks above against files torn in each way; empty when all were judged right,
// otherwise the first case judged wrong.
std::string SelfCheck();

}  // namespace kn::killtest
