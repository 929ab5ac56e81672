// Strict reading of the settings file: a file that a kernel32 profile reader would still take,
// but with a line cut short or a key lost, counts as torn all the same.
#include "tests/win/settings_kill/settings_check.h"

#include <algorithm>
#include <vector>

namespace kn::killtest {

namespace {

constexpr std::string_view kSection = "[prefs]";
constexpr std::string_view kLineEnd = "\r\n";

bool IsKey(std::string_view key) {
    return std::find(std::begin(kKeys), std::end(kKeys), key) != std::end(kKeys);
}

// Lines ended by CR LF; false when the bytes end inside a line.
bool SplitLines(std::string_view bytes, std::vector<std::string_view>* lines) {
    while (!bytes.empty()) {
        const std::size_t end = bytes.find(kLineEnd);
        if (end == std::string_view::npos) return false;
        lines->push_back(bytes.substr(0, end));
        bytes.remove_prefix(end + kLineEnd.size());
    }
    return true;
}

std::optional<Values> Fail(std::string* why, std::string reason) {
    *why = std::move(reason);
    return std::nullopt;
}

}  // namespace

std::optional<Values> ParseSettings(std::string_view bytes, std::string* why) {
    std::vector<std::string_view> lines;
    if (bytes.empty()) return Fail(why, "the file is empty or missing");
    if (!SplitLines(bytes, &lines)) return Fail(why, "the last line has no line end");
    if (lines.front() != kSection) return Fail(why, "it does not begin with [prefs]");
    Values values;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::size_t eq = lines[i].find('=');
        const std::string key(lines[i].substr(0, eq));
        if (eq == std::string_view::npos || !IsKey(key)) {
            return Fail(why, "stray line \"" + std::string(lines[i]) + "\"");
        }
        if (!values.emplace(key, lines[i].substr(eq + 1)).second) {
            return Fail(why, key + " stands twice");
        }
    }
    for (std::string_view key : kKeys) {
        if (!values.count(std::string(key))) return Fail(why, std::string(key) + " is missing");
    }
    return values;
}

std::string Disallowed(const Values& values, const Allowed& allowed) {
    for (const auto& [key, value] : values) {
        const auto it = allowed.find(key);
        if (it == allowed.end() || !it->second.count(value)) return key + "=" + value;
    }
    return {};
}

std::string SettingsBytes(const Values& values) {
    std::string bytes = std::string(kSection) + std::string(kLineEnd);
    for (std::string_view key : kKeys) {
        const auto it = values.find(std::string(key));
        if (it != values.end()) bytes += it->first + "=" + it->second + std::string(kLineEnd);
    }
    return bytes;
}

std::string SelfCheck() {
    const Values old{
        {"HANDLE", "h1"}, {"COLOR1", "c0c0c0"}, {"COLOR2", "99ccff"}, {"REASON", "r1"}};
    const std::string whole = SettingsBytes(old);
    struct Case {
        const char* name;
        std::string bytes;
        bool whole;
    };
    const Case cases[] = {
        {"whole", whole, true},
        {"empty", "", false},
        {"header only", "[prefs]\r\n", false},
        {"cut inside a value", whole.substr(0, whole.find("99cc") + 4), false},
        {"cut before the last line end", whole.substr(0, whole.size() - 1), false},
        {"a key lost", "[prefs]\r\nHANDLE=h1\r\nCOLOR1=c0c0c0\r\nREASON=r1\r\n", false},
        {"a key twice", whole + "HANDLE=h2\r\n", false},
        {"a stray line", whole + "COLOR\r\n", false},
        {"no section", whole.substr(kSection.size() + kLineEnd.size()), false},
    };
    for (const Case& c : cases) {
        std::string why;
        if (ParseSettings(c.bytes, &why).has_value() != c.whole) return c.name;
    }
    Allowed allowed{{"HANDLE", {"h1", "h2"}},
                    {"COLOR1", {"c0c0c0"}},
                    {"COLOR2", {"99ccff"}},
                    {"REASON", {"r1"}}};
    if (!Disallowed(old, allowed).empty()) return "old values refused";
    Values other = old;
    other["REASON"] = "r";  // a value cut short still parses: only the allowed set catches it
    if (Disallowed(other, allowed) != "REASON=r") return "a value cut short allowed";
    return {};
}

}  // namespace kn::killtest
