// What a story's record can't show of the program's own windows: each stays above the host's
// windows once loaded.
#include <gtest/gtest.h>

#include "app/sim/world.h"
#include "tests/native/sim_run.h"

namespace kn::test {
namespace {

TEST(ProgramWindows, StayOnTopOfTheHost) {
    ScratchDir dir;
    dir.Write("kelvarnook.ini", SettingsAfterFirstStart("abc"));
    std::vector<std::string> topmost;
    RunScript(dir, "@1 click mnucolors\n@2 click mnucommands\n", "Owner", {}, [&](sim::World& w) {
        for (const char* form : {"Form1", "Form2", "Form3"}) {
            if (w.host().window_system().Topmost(w.gui().Form(form)->Handle())) {
                topmost.push_back(form);
            }
        }
    });
    EXPECT_EQ(topmost, (std::vector<std::string>{"Form1", "Form2", "Form3"}));
}

}  // namespace
}  // namespace kn::test
