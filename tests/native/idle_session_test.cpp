// The idle clock over a day: too many ticks for a golden record, so only the crossings are
// read: minute 59 to the hour, hour 23 to 24 (no wrap at a day), and the count at the end.
#include <gtest/gtest.h>

#include "tests/native/sim_run.h"

namespace kn::test {
namespace {

TEST(IdleClock, CrossesTheHourAndKeepsCountingPastADay) {
    ScratchDir dir;
    dir.Write("kelvarnook.ini", SettingsAfterFirstStart("abc") + "REASON=x\r\n");
    const SimRun run =
        RunScript(dir, "@0 click mnuon\n@" + std::to_string(25 * 3600 + 30) + " dump\n");
    const std::vector<std::string> posts = Texts(run, "post");
    ASSERT_EQ(posts.size(), 4u + 2 * 25 * 60);
    const auto tick = [&](int n) {  // the idle line of the nth tick, its clock only
        const std::string& line = posts[2 + 2 * n];
        return line.substr(line.find("H <"));
    };
    const std::string face = "H <font color=#99ccff>";
    const std::string between = "<font color=#c0c0c0>  M <font color=#99ccff>";
    EXPECT_EQ(tick(6 * 60 + 5), face + "6" + between + "5");
    EXPECT_EQ(tick(60), face + "1" + between + "0");
    EXPECT_EQ(tick(24 * 60), face + "24" + between + "0");
    const std::vector<std::string> state = Texts(run, "state");
    ASSERT_EQ(state.size(), 15u);
    EXPECT_EQ(state[2], "Form1.Label2=0");
    EXPECT_EQ(state[3], "Form1.Label4=25");
}

}  // namespace
}  // namespace kn::test
