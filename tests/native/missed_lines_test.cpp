// What the owner missed as Form4 lists it (time of day, speaker, control bytes, which lines the
// cap keeps), which the record's count can't show. The word match is the missed_lines story's
// and fuzz target's.
#include <gtest/gtest.h>

#include "app/sim/world.h"
#include "tests/native/sim_run.h"
#include "windows/designs.h"

namespace kn::test {
namespace {

std::vector<std::string> KeptLines(const std::string& script, std::string* count = nullptr) {
    ScratchDir dir;
    dir.Write("kelvarnook.ini", SettingsAfterFirstStart("abc") + "REASON=x\r\n");
    std::vector<std::string> kept;
    RunScript(dir, script, "Owner", {}, [&](sim::World& w) {
        sim::SimForm* f4 = w.gui().Form("Form4");
        ASSERT_NE(f4, nullptr);
        kept = f4->Items(form4::List1);
        if (count) *count = f4->Text(form4::Label1);
    });
    return kept;
}

TEST(MissedLines, TheLastHundredListedWithTheTimeOfDayAndSpeaker) {
    std::string script = "@3600 owner idleon\n@3725 chat Bob: owner 1\n";
    for (int i = 2; i <= 100; ++i) script += "+0.1 chat Bob: owner " + std::to_string(i) + "\n";
    std::string count;
    const std::vector<std::string> kept = KeptLines(
        script + "+0.1 chat Bob: owner <b>there</b>\n@86399 chat Carol Ann: abc\tthere\n", &count);
    ASSERT_EQ(kept.size(), 100u);
    EXPECT_EQ(kept.front(), "01:02 Bob: owner 3");
    EXPECT_EQ(kept[98], "01:02 Bob: owner there");
    EXPECT_EQ(kept.back(), "23:59 Carol Ann: abc there");
    EXPECT_EQ(count, "100 lines named you while you were away");
    KeptLines("@1 owner idleon\n@2 chat Bob: owner\n", &count);
    EXPECT_EQ(count, "1 line named you while you were away");
}

}  // namespace
}  // namespace kn::test
