// What the owner missed: the word match on its own, one table of texts and names, and the
// kept lines as Form4 lists them (time of day, speaker, control bytes, the cap), which the
// record's count can't show.
#include <gtest/gtest.h>

#include "app/sim/world.h"
#include "core/owner_named.h"
#include "tests/native/sim_run.h"
#include "windows/designs.h"

namespace kn::test {
namespace {

struct MatchCase {
    const char* text;
    const char* screen_name;
    const char* handle;
    bool named;
};

TEST(OwnerNamed, AsAWordWithCaseIgnored) {
    const MatchCase kCases[] = {
        {"BOB are you there", "bob", "", true},
        {"hey, bob!", "bob", "", true},
        {"bob", "bob", "", true},
        {"bobby", "bob", "", false},
        {"kebob", "bob", "", false},
        {"bob2", "bob", "", false},
        {"_bob_", "bob", "", true},
        {"bobby and then bob", "bob", "", true},  // a later place still counts
        {"hi Abc", "", "abc", true},
        {"hi abc", "", "", false},  // empty names name no one
        {"hi", "  ", "", false},    // blanks alone too, not every double blank
        {"hi  there", "  ", "", false},
        {"big cheese, hi", "Big Cheese", "", true},
        {"BIGCHEESE hi", "Big Cheese", "", true},
        {"bigcheeses", "Big Cheese", "", false},
        {"big  cheese", "Big Cheese", "", false},
        // A byte above 0x7F may be part of a letter: it joins, and it is not folded.
        {"bob\xC3\xA9", "bob", "", false},
        {"\xC3\xA9"
         "bob",
         "bob", "", false},
        {"\xC3\x89mile here", "\xC3\x89mile", "", true},
        {"\xC3\xA9mile here", "\xC3\x89mile", "", false},
        {"bo", "bob", "", false},
    };
    for (const MatchCase& c : kCases) {
        EXPECT_EQ(NamesOwner(c.text, c.screen_name, c.handle), c.named)
            << '"' << c.text << "\" with \"" << c.screen_name << "\", \"" << c.handle << '"';
    }
}

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
