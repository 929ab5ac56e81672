// The chat scanner's promise: every line said after it started is raised once, in order,
// through trims, room changes and host restarts; lines already in a room are history. The
// scanner's fuzz target holds that over any order of those (and reads of line breaks alone);
// these are what it can't reach: alignments its numbered lines never make, and reads cut short.
#include "bridge/chat_scanner.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/sim/world.h"
#include "tests/native/sim_run.h"

namespace kn::test {
namespace {

// The lines of `current` raised after `seen` was read, joined by "\n".
TEST(ChatScanner, RaisesOnlyLinesNotReadBefore) {
    const struct {
        const char* name;
        std::string seen, current, fresh;
    } kAlignments[] = {
        {"appended", "\r\na:\t1", "\r\na:\t1\r\nb:\t2", "b:\t2"},
        {"unchanged", "\r\na:\t1", "\r\na:\t1", ""},
        {"trimmed_and_appended", "\r\na:\t1\r\nb:\t2", "\r\nb:\t2\r\nc:\t3", "c:\t3"},
        {"trimmed_only", "\r\na:\t1\r\nb:\t2", "\r\nb:\t2", ""},
        {"nothing_lines_up", "\r\na:\t1", "\r\nc:\t3\r\nd:\t4", ""},
        {"new_line_begins_with_the_trimmed_one", "\r\na:\t1", "\r\na:\t12", ""},
        {"repeated_line_least_trim", "\r\nb:\t2\r\nb:\t2", "\r\nb:\t2\r\nb:\t2\r\nb:\t2", "b:\t2"},
        {"repeated_across_a_trim", "\r\na:\t1\r\nb:\t2\r\nb:\t2",
         "\r\nb:\t2\r\nb:\t2\r\nc:\t3\r\nb:\t2", "c:\t3\nb:\t2"},
        {"trim_without_leading_break", "\r\na:\t1\r\nb:\t2", "b:\t2\r\nc:\t3", "c:\t3"},
        {"cr_and_lf_alone", "\ra:\t1\nb:\t2", "\ra:\t1\nb:\t2\rc:\t3\nd:\t4", "c:\t3\nd:\t4"},
        {"redrawn_with_other_breaks", "\r\na:\t1\r\nb:\t2", "\na:\t1\nb:\t2\nc:\t3", "c:\t3"},
        {"redrawn_and_trimmed", "\ra:\t1\rb:\t2\rc:\t3", "\r\nb:\t2\r\nc:\t3", ""},
        {"empty_before", "", "\r\na:\t1\rb:\t2", "a:\t1\nb:\t2"},
    };
    for (const auto& c : kAlignments) {
        const std::string now = JoinedLines(c.current);
        std::string_view fresh =
            std::string_view(now).substr(AlreadySeen(JoinedLines(c.seen), now));
        if (fresh.starts_with('\n')) fresh.remove_prefix(1);
        EXPECT_EQ(fresh, c.fresh) << c.name;
    }
}

// Counts the program's posts that hold `piece`.
std::size_t Posts(const SimRun& run, const std::string& piece) {
    const std::vector<std::string> posts = Texts(run, "post");
    return static_cast<std::size_t>(std::count_if(
        posts.begin(), posts.end(), [&](auto& p) { return p.find(piece) != std::string::npos; }));
}

// The host trims and appends between the scanner's length and its read, more than the read's
// room to spare, so the read stops inside the owner's line: the line is raised whole, once, and
// never as the part read.
TEST(ChatScanner, LineCutByAChangeBetweenLengthAndReadIsRaisedWhole) {
    ScratchDir dir;
    dir.Write("kelvarnook.ini", SettingsAfterFirstStart("abc"));
    const std::string reason =
        "reason " + std::string(ChatScanner::kReadSpare, 'x') + " over the hills";
    const SimRun run = RunScript(
        dir, "@1 chat Bob: one\n@2 chat Bob: two-two-two\n@3 chat Eve: three\n", "Owner",
        [&reason](sim::World& w) {
            w.host().SetTranscriptLimit(3);
            w.record().AddObserver([&](sim::Micros, std::string_view kind, std::string_view text) {
                if (kind != "chat" || text != "Eve: three") return;
                w.host().window_system().AfterTextLength([&] { w.host().OwnerSays(reason); });
            });
        });
    EXPECT_EQ(Posts(run, "new idle reason"), 1u);
    EXPECT_EQ(Posts(run, "over the hills"), 1u);
}

// Where the length measured exceeds the bytes read (double-byte and UTF-8 systems), a
// transcript that stays the same is still not copied whole on every poll.
TEST(ChatScanner, UnchangedTranscriptReadsTheSameWhateverTheLengthsScale) {
    std::vector<std::size_t> read;
    for (std::size_t factor : {1, 2, 4}) {
        ScratchDir dir;
        dir.Write("kelvarnook.ini", SettingsAfterFirstStart("abc"));
        RunScript(dir, "@1 chat Bob: " + std::string(1000, 'x') + "\n@61 dump\n", "Owner",
                  [&read, factor](sim::World& w) {
                      sim::SimWindowSystem& ws = w.host().window_system();
                      ws.ScaleTextLengths(factor);
                      w.record().AddObserver(
                          [&read, &ws](sim::Micros, std::string_view kind, std::string_view text) {
                              if (kind == "state" && text.starts_with("input")) {
                                  read.push_back(ws.bytes_read());
                              }
                          });
                  });
    }
    EXPECT_EQ(read, std::vector<std::size_t>(3, read.at(0)));
}

}  // namespace
}  // namespace kn::test
