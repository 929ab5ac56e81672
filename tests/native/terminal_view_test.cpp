// The terminal demo's pieces: room lines in their 24-bit colours and safe to print, and the
// face panel within any width. The face as read from the windows, and the room off a terminal,
// are terminal-demo-test's.
#include <gtest/gtest.h>

#include <regex>

#include "app/sim/face.h"
#include "app/sim/room_line.h"
#include "app/sim/status_panel.h"

namespace kn::sim {
namespace {

const std::string kMark = "\xE2\x80\xBA";
const std::string kGrey = "\x1b[38;2;192;192;192m";
const std::string kBlue = "\x1b[38;2;153;204;255m";

std::string StripSgr(const std::string& s) {
    return std::regex_replace(s, std::regex("\x1b\\[[0-9;]*m"), "");
}

// What a function takes, and what it must give.
using Case = std::pair<const char*, const char*>;

TEST(RoomLine, OnlySixHexDigitsAreAColour) {
    EXPECT_EQ(Foreground("c0c0c0"), kGrey);
    EXPECT_EQ(Foreground("99CCFF"), kBlue);
    EXPECT_EQ(Foreground("000000"), "\x1b[38;2;0;0;0m");
    for (const char* other : {"", "c0c0c", "c0c0c0c", "#c0c0c", "gg0000", " c0c0c", "red"})
        EXPECT_EQ(Foreground(other), "\x1b[39m") << other;
}

TEST(RoomLine, ProgramLinesShowEachRunInItsColourWithTheTagsHidden) {
    const std::string started = "</b><font color=#c0c0c0 face=\"tahoma\">            " + kMark +
                                "<font color=#99ccff> abc<font color=#c0c0c0> started idle session";
    EXPECT_EQ(RenderProgramLine("Owner", started, true),
              "\x1b[1mOwner:\x1b[22m " + kGrey + "            " + kMark + kBlue + " abc" + kGrey +
                  " started idle session\x1b[0m");
    EXPECT_EQ(RenderProgramLine("Owner", started, false),
              "Owner:             " + kMark + " abc started idle session");
    // A colour the host can't use leaves its run in the terminal's colour.
    EXPECT_EQ(RenderProgramLine("Owner", "<font color=#zzz>x<font color=>y", true),
              "\x1b[1mOwner:\x1b[22m \x1b[39mx\x1b[39my\x1b[0m");
}

TEST(RoomLine, MembersArePlainAndNothingTheyTypeReachesTheTerminalRaw) {
    EXPECT_EQ(RenderMemberLine("Bob", "<b>hi</b> <font color=#ff0000>there", true),
              "\x1b[1mBob:\x1b[22m hi there");
    // ESC, BEL, a raw CSI byte (\233) and CSI as a C1 character (\302\233).
    const std::string shown =
        RenderMemberLine("Eve\x1b[2J", "\x1b]0;title\x07x\23331m\302\2332J", true);
    EXPECT_EQ(shown, "\x1b[1mEve^[[2J:\x1b[22m ^[]0;title^Gx\uFFFD31m\uFFFD2J");
}

TEST(RoomLine, PrintableShowsControlsAndBrokenTextVisibly) {
    const Case cases[] = {
        {"plain \xE2\x80\xBA text", "plain \xE2\x80\xBA text"},
        {"a\tb", "a b"},
        {"\x01\x1f\x7f", "^A^_^?"},
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                  // overlong
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // a surrogate
        {"\xF0\x9F\x98", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // cut short
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(Printable(in), out) << in;
}

TEST(RoomLine, FitCutsByColumnsNotBytes) {
    EXPECT_EQ(Fit("abcdef", 4), "abc\xE2\x80\xA6");
    EXPECT_EQ(Fit("abc", 3), "abc");
    EXPECT_EQ(Fit(kMark + kMark + kMark, 2), kMark + "\xE2\x80\xA6");
    EXPECT_EQ(Fit("abc", 0), "");
}

const Face kBusy{.minutes = "12",
                 .hours = "3",
                 .reason = std::string(200, 'r'),
                 .idle_on = true,
                 .window = "minimized",
                 .colours_shown = true,
                 .colour1 = "c0c0c0",
                 .colour2 = "not a colour",
                 .commands_shown = true,
                 .command_count = "16"};

TEST(StatusPanel, EveryRowFitsTheWidthAndColourRowsSpanIt) {
    for (std::size_t width : {80u, 40u, 12u, 1u}) {
        for (bool colour : {true, false}) {
            const std::vector<std::string> rows = PanelRows(kBusy, width, colour, 10);
            ASSERT_GE(rows.size(), 5u) << width;
            for (const std::string& row : rows) {
                const std::size_t columns = Columns(StripSgr(row));
                EXPECT_LE(columns, width) << width << ": " << row;
                if (colour) {
                    EXPECT_EQ(columns, width) << width << ": " << row;
                } else {
                    EXPECT_EQ(row.find('\x1b'), std::string::npos) << row;
                }
            }
        }
    }
}

// The clock and reason rows are the demo test's.
TEST(StatusPanel, ShowsTheOtherWindowsWhileShown) {
    const std::vector<std::string> rows = PanelRows(kBusy, 80, true, 10);
    ASSERT_EQ(rows.size(), 6u);  // clock, reason, colour editor, two of commands, rule
    // A swatch for the colour that is one, none for the one that isn't.
    EXPECT_NE(rows[2].find("\x1b[0;38;2;192;192;192;48;2;16;24;48m\xE2\x96\x88"),
              std::string::npos);
    EXPECT_NE(StripSgr(rows[2]).find("color 2 not a colour"), std::string::npos);
    EXPECT_NE(StripSgr(rows[3]).find("commands 16  cmds"), std::string::npos);
    EXPECT_NE(StripSgr(rows[4]).find("xcolors"), std::string::npos);

    Face quiet;
    quiet.window = "normal";
    EXPECT_EQ(PanelRows(quiet, 80, false, 10).size(), 3u);
}

TEST(StatusPanel, ShortTerminalsKeepTheClockLongest) {
    const std::string clock = PanelRows(kBusy, 80, false, 10)[0];
    for (std::size_t max_rows : {0u, 1u, 2u, 3u, 4u}) {
        const std::vector<std::string> rows = PanelRows(kBusy, 80, false, max_rows);
        EXPECT_EQ(rows.size(), max_rows);
        if (max_rows > 0) {
            EXPECT_EQ(rows[0], clock);
        }
    }
    // With three rows there is room for the rule but not for the other windows.
    EXPECT_EQ(PanelRows(kBusy, 80, false, 3)[2].substr(0, 3), "\xE2\x94\x80");
}

}  // namespace
}  // namespace kn::sim
