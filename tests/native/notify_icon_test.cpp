// The notification icon's look: which picture and what tip each state of the main window gives,
// and that the look is read from the controls that hold the idle clock, reason and session.
#include "core/notify_icon.h"

#include <gtest/gtest.h>

#include "app/sim/world.h"
#include "core/program.h"
#include "platform/sim/sim_gui_runtime.h"
#include "tests/native/sim_run.h"
#include "windows/forms.h"

namespace kn::test {
namespace {

struct LookCase {
    const char* name;
    IconFacts facts;
    NotifyLook look;
};

const LookCase kLooks[] = {
    {"Off",
     {false, "0", "0", "", "ok"},
     {false, false, "kelvar nook\nidle session off\nsign: ok\nreason: none"}},
    {"OnInTheFirstHour",
     {true, "5", "0", "lunch", "ok"},
     {true, false, "kelvar nook\nidle session on, 5 min\nsign: ok\nreason: lunch"}},
    {"OnOnTheHour",
     {true, "0", "2", "lunch", "ok"},
     {true, false, "kelvar nook\nidle session on, 2 h 0 min\nsign: ok\nreason: lunch"}},
    {"SignNotOk",
     {false, "0", "0", "x", "no room"},
     {false, true, "kelvar nook\nidle session off\nsign: no room\nreason: x"}},
    {"NoSignReadsOk",
     {false, "0", "0", "x", ""},
     {false, false, "kelvar nook\nidle session off\nsign: ok\nreason: x"}},
    {"IdleAndUnheard",
     {true, "59", "24", "x", "unheard"},
     {true, true, "kelvar nook\nidle session on, 24 h 59 min\nsign: unheard\nreason: x"}},
};

TEST(IconLook, ShowsAndSaysTheFacts) {
    for (const LookCase& c : kLooks) {
        SCOPED_TRACE(c.name);
        const NotifyLook look = LookOf(c.facts);
        EXPECT_EQ(look.idle, c.look.idle);
        EXPECT_EQ(look.warning, c.look.warning);
        EXPECT_EQ(look.tip, c.look.tip);
    }
}

// A session an hour and a minute old with a reason typed into the field; then ended.
TEST(IconLook, IsReadFromTheMainWindow) {
    ScratchDir dir;
    dir.Write("kelvarnook.ini", SettingsAfterFirstStart("abc") + "REASON=x\r\n");
    std::vector<NotifyLook> looks;
    RunScript(dir, "@0 click mnuon\n@10 type Form1.Text1 fishing\n@3670 dump\n", "Owner", {},
              [&](sim::World& world) {
                  Program& p = world.program();
                  auto& icon = static_cast<sim::SimNotifyIcon&>(p.form1().Icon());
                  looks.push_back(icon.look());  // as start-up left it
                  ShowNotifyIcon(p);
                  looks.push_back(icon.look());
              });
    ASSERT_EQ(looks.size(), 2u);
    EXPECT_EQ(looks[0].tip, "kelvar nook\nidle session off\nsign: ok\nreason: none");
    EXPECT_EQ(looks[1].tip, "kelvar nook\nidle session on, 1 h 1 min\nsign: ok\nreason: fishing");
    EXPECT_TRUE(looks[1].idle);
}

}  // namespace
}  // namespace kn::test
