// Rendering room lines for the terminal. Every byte that reaches the screen passes through
// Printable, so a member typing an escape sequence can't move the cursor or recolour it.
#include "app/sim/room_line.h"

#include "platform/sim/utf8.h"
#include "standin/sim/markup.h"

namespace kn::sim {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
constexpr std::string_view kReset = "\x1b[0m";
// Notes are grey rather than faint: faint and italic are drawn oddly by some terminals.
constexpr std::string_view kGrey = "\x1b[38;2;150;150;160m";

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string Speaker(std::string_view name, bool colour) {
    if (!colour) return Printable(name) + ": ";
    return "\x1b[1m" + Printable(name) + ":\x1b[22m ";
}

}  // namespace

std::optional<Rgb> ParseColour(std::string_view text) {
    if (text.size() != 6) return std::nullopt;
    int v[6];
    for (std::size_t i = 0; i < 6; ++i) {
        if ((v[i] = HexDigit(text[i])) < 0) return std::nullopt;
    }
    return Rgb{static_cast<unsigned char>(v[0] * 16 + v[1]),
               static_cast<unsigned char>(v[2] * 16 + v[3]),
               static_cast<unsigned char>(v[4] * 16 + v[5])};
}

std::string Foreground(std::string_view colour) {
    const std::optional<Rgb> rgb = ParseColour(colour);
    if (!rgb) return "\x1b[39m";
    return "\x1b[38;2;" + std::to_string(rgb->r) + ';' + std::to_string(rgb->g) + ';' +
           std::to_string(rgb->b) + 'm';
}

std::string Printable(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    while (!s.empty()) {
        char32_t cp = 0;
        const std::size_t n = DecodeUtf8(s, cp);
        if (n == 0) {
            out += kReplacement;
            s.remove_prefix(1);
            continue;
        }
        if (cp == '\t') {
            out += ' ';
        } else if (cp < 0x20 || cp == 0x7F) {
            out += '^';
            out += static_cast<char>(cp ^ 0x40);
        } else if (cp >= 0x80 && cp < 0xA0) {
            out += kReplacement;
        } else {
            out += s.substr(0, n);
        }
        s.remove_prefix(n);
    }
    return out;
}

std::size_t Columns(std::string_view s) {
    std::size_t columns = 0;
    for (char c : s) columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return columns;
}

std::string Fit(std::string_view s, std::size_t width) {
    if (Columns(s) <= width) return std::string(s);
    if (width == 0) return {};
    std::size_t kept = 0, at = 0;
    for (; at < s.size(); ++at) {
        if ((static_cast<unsigned char>(s[at]) & 0xC0) != 0x80 && kept++ == width - 1) break;
    }
    return std::string(s.substr(0, at)) + "\xE2\x80\xA6";
}

std::string RenderProgramLine(std::string_view speaker, std::string_view markup, bool colour) {
    std::string line = Speaker(speaker, colour);
    for (const Run& run : ParseMarkup(markup)) {
        if (colour) line += Foreground(run.color);
        line += Printable(run.text);
    }
    if (colour) line += kReset;
    return line;
}

std::string RenderMemberLine(std::string_view speaker, std::string_view text, bool colour) {
    return Speaker(speaker, colour) + Printable(RenderPlain(text));
}

std::string RenderNotice(std::string_view text, bool colour) {
    const std::string line = "\xC2\xB7 " + Printable(text);
    return colour ? std::string(kGrey) + line + std::string(kReset) : line;
}

std::string RenderAside(std::string_view text, bool colour) {
    const std::string line = "  " + Printable(text);
    return colour ? std::string(kGrey) + line + std::string(kReset) : line;
}

std::string RenderError(std::string_view text, bool colour) {
    const std::string line = "! " + Printable(text);
    return colour ? "\x1b[38;2;255;110;110m" + line + std::string(kReset) : line;
}

}  // namespace kn::sim
