// A forgiving reader of the chat markup: an unclosed "<" is shown as text, attributes may be
// quoted or not, and nothing here can fail on any input.
#include "standin/sim/markup.h"

#include <cctype>

#include "platform/ascii.h"

namespace kn::sim {

namespace {

// The value of `color=` in a font tag's inside, without a leading "#".
std::string ColorOf(std::string_view tag) {
    const std::string lower = LowerAscii(tag);
    std::size_t at = lower.find("color=");
    if (at == std::string::npos) return {};
    at += 6;
    std::size_t end = at;
    const bool quoted = at < tag.size() && (tag[at] == '"' || tag[at] == '\'');
    if (quoted) {
        const char quote = tag[at++];
        end = tag.find(quote, at);
        if (end == std::string_view::npos) end = tag.size();
    } else {
        while (end < tag.size() && !std::isspace(static_cast<unsigned char>(tag[end]))) ++end;
    }
    std::string_view value = tag.substr(at, end - at);
    if (!value.empty() && value.front() == '#') value.remove_prefix(1);
    return std::string(value);
}

bool IsFontTag(std::string_view inside) {
    return LowerAscii(inside.substr(0, 4)) == "font" &&
           (inside.size() == 4 || std::isspace(static_cast<unsigned char>(inside[4])));
}

}  // namespace

std::vector<Run> ParseMarkup(std::string_view line) {
    std::vector<Run> runs(1);
    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t open = line.find('<', pos);
        const std::size_t close = open == std::string_view::npos ? open : line.find('>', open);
        if (close == std::string_view::npos) {
            runs.back().text += line.substr(pos);
            break;
        }
        runs.back().text += line.substr(pos, open - pos);
        const std::string_view inside = line.substr(open + 1, close - open - 1);
        if (IsFontTag(inside)) {
            if (runs.back().text.empty()) runs.pop_back();
            runs.push_back({ColorOf(inside), {}});
        }
        pos = close + 1;
    }
    if (runs.size() > 1 && runs.back().text.empty()) runs.pop_back();
    if (runs.size() == 1 && runs.front().text.empty()) runs.clear();
    return runs;
}

std::string RenderPlain(std::string_view line) {
    std::string plain;
    for (const Run& run : ParseMarkup(line)) plain += run.text;
    return plain;
}

}  // namespace kn::sim
