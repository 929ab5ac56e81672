// What the owner missed as Form4 lists it (time of day, speaker, control bytes, which lines the
// cap keeps), which the record's count can't show. The word match is the missed_lines story's
// and fuzz target's.
#include <gtest/gtest.h>

#include "app/sim/world.h"
#include "tests/native/sim_run.h"

namespace kn::test {
namespace {

std::vector<std::string> KeptLines(const std::string& script, std::string* count = nullptr) {
    ScratchDir dir;
    dir.Write("kelvarnook.ini", SettingsAfterFirstStart("abc") + "REASON=x\r\n");
    std::vector<std::string> kept;
    RunScript(dir, script, "Owner", {}, [&](sim::World& w) {
        sim::SimForm* f4 = w.gui().Form("Form4");
        ASSERT_NE(f4, nullptr);
        kept = f4->Items("List1");
        if (count) *count = f4->Text("Label1");
    });
    return kept;
}

TEST(MissedLines, ListedWithTheTimeOfDayAndSpeaker) {
    std::string count;
    const std::vector<std::string> kept = KeptLines(
        "@3600 owner idleon\n@3725 chat Bob: owner <b>there</b>\n"
        "@86399 chat Carol Ann: abc\tthere\n",
        &count);
    const std::vector<std::string> expected = {"01:02 Bob: owner there",
                                               "23:59 Carol Ann: abc there"};
    EXPECT_EQ(kept, expected);
    EXPECT_EQ(count, "2 lines named you while you were away");
}

TEST(MissedLines, KeepsTheLastHundredAndCountsOne) {
    std::string script = "@1 owner idleon\n";
    for (int i = 1; i <= 101; ++i) script += "+0.1 chat Bob: owner " + std::to_string(i) + "\n";
    const std::vector<std::string> kept = KeptLines(script);
    ASSERT_EQ(kept.size(), 100u);
    EXPECT_EQ(kept.front(), "00:00 Bob: owner 2");
    EXPECT_EQ(kept.back(), "00:00 Bob: owner 101");
    std::string count;
    KeptLines("@1 owner idleon\n@2 chat Bob: owner\n", &count);
    EXPECT_EQ(count, "1 line named you while you were away");
}

}  // namespace
}  // namespace kn::test
