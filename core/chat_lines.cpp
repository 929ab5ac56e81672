// Filling and posting the styled lines, and the banner lines with the colour preview.
#include "core/chat_lines.h"

#include <algorithm>
#include <array>
#include <optional>

#include "core/program.h"
#include "windows/forms.h"

namespace kn {

namespace {

// A colour stands unquoted inside its font tag. One holding a character that ends or breaks
// the tag (">", "<", a quote, a blank or another control character) would put the rest of
// itself and of the tag into the room as text, where the scanner takes it for the owner's
// words and runs it: it is left out of the markup, as if empty. The field keeps it as typed.
std::string InTag(std::string colour) {
    const bool breaks = std::any_of(colour.begin(), colour.end(), [](unsigned char c) {
        return c <= ' ' || c == 0x7F || c == '<' || c == '>' || c == '"';
    });
    if (breaks) colour.clear();
    return colour;
}

// Where each placeholder's value is held; {room} is the command's argument, held nowhere.
struct Field {
    std::string_view name;
    std::string (*read)(Program& p, std::string_view room);
};

constexpr Field kFields[] = {
    {"color1", [](Program& p, std::string_view) { return InTag(p.form2().Text1.Text()); }},
    {"color2", [](Program& p, std::string_view) { return InTag(p.form2().Text2.Text()); }},
    {"handle", [](Program& p, std::string_view) { return p.form1().Label5.Text(); }},
    {"reason", [](Program& p, std::string_view) { return p.form1().Text1.Text(); }},
    {"hours", [](Program& p, std::string_view) { return p.form1().Label4.Text(); }},
    {"minutes", [](Program& p, std::string_view) { return p.form1().Label2.Text(); }},
    {"room", [](Program&, std::string_view room) { return std::string(room); }},
};

std::string Fill(Program& p, std::string_view tmpl, std::string_view room) {
    std::array<std::optional<std::string>, std::size(kFields)> values;
    std::string line;
    for (std::size_t open; (open = tmpl.find('{')) != std::string_view::npos;) {
        line += tmpl.substr(0, open);
        tmpl.remove_prefix(open);
        const std::size_t close = tmpl.find('}');
        const std::string_view name = tmpl.substr(1, close - 1);
        std::size_t i = 0;
        while (i < values.size() && kFields[i].name != name) ++i;
        if (i == values.size()) {  // not a placeholder: the brace is text
            line += '{';
            tmpl.remove_prefix(1);
            continue;
        }
        if (!values[i]) values[i] = kFields[i].read(p, room);
        line += *values[i];
        tmpl.remove_prefix(close + 1);
    }
    return line += tmpl;
}

constexpr std::string_view kUserBanner =
    " <font color=#{color2}>k<font color=#{color1}>elvar <font color=#{color2}>›"
    "<font color=#{color1}> user<font color=#{color2}>   ›<font color=#{color1}> {handle}";
constexpr std::string_view kLoadedBanner =
    " <font color=#{color2}>n<font color=#{color1}>ook      <font color=#{color2}>›"
    "<font color=#{color1}> status<font color=#{color2}> ›<font color=#{color1}> loaded";
constexpr std::string_view kUnloadedBanner =
    " <font color=#{color2}>n<font color=#{color1}>ook      <font color=#{color2}>›"
    "<font color=#{color1}> status<font color=#{color2}> ›<font color=#{color1}> "
    "<font color=#{color1}>unloaded";
constexpr std::string_view kColorPreview =
    " <font color=#{color2}>k<font color=#{color1}>elvar <font color=#{color2}>n"
    "<font color=#{color1}>ook <font color=#{color2}> › <font color=#{color1}> colors preview";

}  // namespace

std::string Styled(Program& p, std::string_view body, std::string_view room) {
    std::string tmpl(kHead);
    tmpl += body;
    return Fill(p, tmpl, room);
}

void Say(Program& p, std::string_view body, std::string_view room) {
    p.bridge().ChatSend(Styled(p, body, room));
}

void SayTwo(Program& p, std::string_view first, std::string_view second) {
    Say(p, first);
    p.bridge().Pause(kLinePause);
    Say(p, second);
}

void SayColorPreview(Program& p) {
    Say(p, kColorPreview);
}

void AnnounceLoaded(Program& p) {
    SayTwo(p, kUserBanner, kLoadedBanner);
}

void AnnounceUnloaded(Program& p) {
    SayTwo(p, kUserBanner, kUnloadedBanner);
}

}  // namespace kn
