// Panel rows are built from styled pieces so that cutting a row to the terminal's width
// never splits an escape sequence; colour rows are padded so their background spans the row.
#include "app/sim/status_panel.h"

#include "app/sim/room_line.h"
#include "core/dispatcher.h"

namespace kn::sim {

namespace {

constexpr char kBar[] = "48;2;16;24;48";

std::string Style(std::string_view fg, bool bold = false) {
    return std::string("\x1b[0;") + (bold ? "1;" : "") + "38;2;" + std::string(fg) + ';' + kBar +
           'm';
}

const std::string kLabel = Style("110;150;255");
const std::string kValue = Style("235;235;235", true);
const std::string kQuiet = Style("140;140;150");
const std::string kOn = Style("110;230;120", true);
const std::string kWarn = Style("255;200;90", true);

class Row {
  public:
    explicit Row(bool colour) : colour_(colour) {}

    Row& Add(const std::string& style, std::string_view text) {
        pieces_.push_back({style, Printable(text)});
        return *this;
    }
    std::size_t columns() const {
        std::size_t n = 0;
        for (const Piece& p : pieces_) n += Columns(p.text);
        return n;
    }
    std::string Render(std::size_t width) const {
        std::string out;
        std::size_t left = width;
        for (const Piece& p : pieces_) {
            if (left == 0) break;
            const std::string text = Fit(p.text, left);
            if (colour_) out += p.style;
            out += text;
            left -= Columns(text);
        }
        if (colour_) out += std::string(left, ' ') + "\x1b[0m";
        return out;
    }

  private:
    struct Piece {
        std::string style;
        std::string text;
    };
    bool colour_;
    std::vector<Piece> pieces_;
};

Row ClockRow(const Face& face, std::size_t width, bool colour) {
    Row row(colour);
    row.Add(kQuiet, " ").Add(Style("153;204;255", true), "k").Add(Style("192;192;192"), "elvar ");
    row.Add(Style("153;204;255", true), "n").Add(Style("192;192;192"), "ook");
    row.Add(kQuiet, "  \xE2\x94\x82  ").Add(kLabel, "mins ").Add(kValue, face.minutes);
    row.Add(kLabel, "  hrs ").Add(kValue, face.hours).Add(kQuiet, "  \xE2\x94\x82  ");
    row.Add(face.idle_on ? kOn : kQuiet, face.idle_on ? "idle on" : "idle off");
    row.Add(kQuiet, "  \xE2\x94\x82  ").Add(kLabel, "window ");
    row.Add(face.window == "normal" ? kValue : kWarn, face.window);
    row.Add(kQuiet, "  \xE2\x94\x82  ").Add(kLabel, "sign ");
    row.Add(face.sign == "ok" ? kValue : kWarn, face.sign);
    constexpr std::string_view kHint = "/help ";
    if (row.columns() + kHint.size() + 2 <= width) {
        row.Add(kQuiet, std::string(width - row.columns() - kHint.size(), ' ')).Add(kQuiet, kHint);
    }
    return row;
}

Row ReasonRow(const Face& face, bool colour) {
    Row row(colour);
    row.Add(kLabel, " reason  ");
    if (face.reason.empty()) return row.Add(kQuiet, "(none set)");
    return row.Add(kValue, face.reason);
}

void AddColour(Row& row, std::string_view label, const std::string& colour, bool use_colour) {
    row.Add(kLabel, label);
    if (const std::optional<Rgb> rgb = ParseColour(colour); use_colour && rgb) {
        row.Add(Style(std::to_string(rgb->r) + ';' + std::to_string(rgb->g) + ';' +
                      std::to_string(rgb->b)),
                "\xE2\x96\x88\xE2\x96\x88 ");
    }
    row.Add(kValue, colour.empty() ? "(empty)" : colour);
}

Row ColoursRow(const Face& face, bool colour) {
    Row row(colour);
    row.Add(kWarn, " colour editor  ");
    AddColour(row, "color 1 ", face.colour1, colour);
    AddColour(row, "   color 2 ", face.colour2, colour);
    return row;
}

// The command words of the command list window, as its lines begin.
std::vector<std::string> CommandWords() {
    std::vector<std::string> words;
    for (const std::string& line : CommandListLines()) {
        words.push_back(line.substr(0, line.find(" - ")));
    }
    return words;
}

// The command list over as many rows as its words need, at most two.
std::vector<Row> CommandRows(const Face& face, std::size_t width, bool colour) {
    const std::string head = " commands " + face.command_count + "  ";
    std::vector<Row> rows;
    rows.emplace_back(colour);
    rows.back().Add(kWarn, head);
    const std::size_t indent = Columns(head);
    std::size_t used = indent;
    for (const std::string& word : CommandWords()) {
        const std::size_t need = Columns(word) + 2;
        if (used + need > width && used > indent && rows.size() < 2) {
            rows.emplace_back(colour);
            rows.back().Add(kQuiet, std::string(indent, ' '));
            used = indent;
        }
        rows.back().Add(kValue, word).Add(kQuiet, "  ");
        used += need;
    }
    return rows;
}

}  // namespace

std::vector<std::string> PanelRows(const Face& face, std::size_t width, bool colour,
                                   std::size_t max_rows) {
    std::vector<Row> extra;
    if (face.colours_shown) extra.push_back(ColoursRow(face, colour));
    if (face.commands_shown) {
        for (Row& r : CommandRows(face, width, colour)) extra.push_back(std::move(r));
    }
    // What fits, in the order it gives way: the other windows, the rule, the reason.
    const std::size_t base = std::min<std::size_t>(max_rows, 3);
    const std::size_t extras = std::min(extra.size(), max_rows - base);
    std::vector<std::string> rows;
    if (base >= 1) rows.push_back(ClockRow(face, width, colour).Render(width));
    if (base >= 2) rows.push_back(ReasonRow(face, colour).Render(width));
    for (std::size_t i = 0; i < extras; ++i) rows.push_back(extra[i].Render(width));
    if (base >= 3) {
        std::string rule;
        for (std::size_t i = 0; i < width; ++i) rule += "\xE2\x94\x80";
        rows.push_back(colour ? "\x1b[0;38;2;70;80;110m" + rule + "\x1b[0m" : rule);
    }
    return rows;
}

std::string FaceSummary(const Face& face) {
    std::string line = "[mins " + face.minutes + "  hrs " + face.hours + "  idle " +
                       (face.idle_on ? "on" : "off") + "  window " + face.window + "  sign " +
                       face.sign + "  reason: " + face.reason;
    if (face.colours_shown) line += "  colour editor: " + face.colour1 + " " + face.colour2;
    if (face.commands_shown) line += "  commands: " + face.command_count;
    return Printable(line + "]");
}

}  // namespace kn::sim
