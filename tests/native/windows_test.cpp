// The program's own windows through the simulator: every menu item and button with its
// effect and nothing more (no confirmation line, which only the room commands post), the
// colour editor's preview, ok and save, and the command list.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/sim/world.h"
#include "core/form_events.h"
#include "tests/native/sim_run.h"
#include "windows/designs.h"

namespace kn::test {
namespace {

const std::string kMark = "\xE2\x80\xBA";
const std::string kFace = "</b><font color=#c0c0c0 face=\"tahoma\">            " + kMark;
const std::string kPrompt = "prompt input your handle in lowercase letters please";
const std::string kSettings = SettingsAfterFirstStart("abc") + "REASON=nap\r\n";

std::string Preview(const std::string& c1, const std::string& c2) {
    return "</b><font color=#" + c1 + " face=\"tahoma\">            " + kMark + " <font color=#" +
           c2 + ">k<font color=#" + c1 + ">elvar <font color=#" + c2 + ">n<font color=#" + c1 +
           ">ook <font color=#" + c2 + "> " + kMark + " <font color=#" + c1 + "> colors preview";
}

struct Click {
    const char* name;
    std::string script;                        // after start-up, which ends at 0.51
    std::vector<std::string> record;           // every record line after start-up but `dump`'s
    std::map<std::string, std::string> state;  // dump values at the end
    std::string settings = kSettings;          // the settings file at the end
};

void PrintTo(const Click& c, std::ostream* os) {
    *os << c.name;
}

class Clicks : public testing::TestWithParam<Click> {};

TEST_P(Clicks, DoTheirOneThing) {
    const Click& c = GetParam();
    TempDir dir;
    dir.Write("kelvarnook.ini", kSettings);
    const SimRun run = RunScript(dir, c.script + "\n@20 dump\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    ASSERT_GE(run.record.size(), 3u);
    EXPECT_EQ(run.record[2], "0.51 window Form1 shown");
    std::vector<std::string> record;
    std::map<std::string, std::string> state;
    for (auto line = run.record.begin() + 3; line != run.record.end(); ++line) {
        const std::size_t kv = line->find(" state ");
        if (kv == std::string::npos) {
            record.push_back(*line);
            continue;
        }
        const std::size_t eq = line->find('=', kv);
        const std::string key = line->substr(kv + 7, eq - kv - 7);
        if (c.state.count(key)) state[key] = line->substr(eq + 1);
    }
    EXPECT_EQ(record, c.record);
    EXPECT_EQ(state, c.state);
    EXPECT_EQ(dir.Read("kelvarnook.ini"), c.settings);
}

using S = std::map<std::string, std::string>;

INSTANTIATE_TEST_SUITE_P(
    Windows, Clicks,
    testing::Values(
        Click{"menu_on",
              "@1 click mnuon",
              {"1.00 post " + kHead2 + "> abc<font color=#c0c0c0> started idle session",
               "1.51 post " + kFace + " reason: <font color=#99ccff>nap"},
              S{{"Form1.Timer1", "on"}, {"Form1.Label2", "0"}}},
        Click{"menu_off_when_off",
              "@1 click mnuoff",
              {"1.00 post " + kFace + " idle session <font color=#99ccff>ended"},
              S{{"Form1.Timer1", "off"}, {"Form1.Label2", "0"}, {"Form1.Label4", "0"}}},
        Click{"menu_colors_twice",
              "@1 click mnucolors\n@2 click mnucolors",
              {"1.00 window Form2 shown"},
              S{{"Form2", "shown"}, {"Form1", "normal"}}},
        Click{"menu_commands",
              "@1 click mnucommands",
              {"1.00 window Form3 shown"},
              S{{"Form3", "shown"}, {"Form3.Label1", "16"}}},
        Click{"menu_minimize",
              "@1 click mnuminimize",
              {"1.00 window Form1 minimized"},
              S{{"Form1", "minimized"}}},
        Click{"minimise_bar",
              "@1 click Picture2\n@2 click Picture2",
              {"1.00 window Form1 minimized"},
              S{{"Form1", "minimized"}, {"Form1.Timer1", "off"}}},
        Click{"ops_button_only_pops_the_menu", "@1 click Picture3", {}, S{{"Form1", "normal"}}},
        Click{"menu_handle",
              "@1 click mnuhandle\n@2 answer ZED",
              {"1.00 " + kPrompt},
              S{{"Form1.Label5", "ZED"}},
              "[prefs]\r\nHANDLE=ZED\r\nCOLOR1=c0c0c0\r\nCOLOR2=99ccff\r\nREASON=nap\r\n"},
        Click{"menu_handle_cancelled",
              "@1 click mnuhandle\n@2 cancel",
              {"1.00 " + kPrompt},
              S{{"Form1.Label5", ""}},
              "[prefs]\r\nHANDLE=\r\nCOLOR1=c0c0c0\r\nCOLOR2=99ccff\r\nREASON=nap\r\n"},
        Click{"preview_uses_unsaved_colours",
              "@1 type Form2.Text1 123456\n@2 click Form2.Command4",
              {"2.00 post " + Preview("123456", "99ccff")},
              S{{"Form2.Text1", "123456"}, {"Form2", "hidden"}}},
        Click{"save_writes_both_as_typed",
              "@1 type Form2.Text1 123456\n@1 type Form2.Text2\n@2 click Form2.Command1",
              {},
              S{{"Form2.Text1", "123456"}, {"Form2.Text2", ""}},
              "[prefs]\r\nHANDLE=abc\r\nCOLOR1=123456\r\nCOLOR2=\r\nREASON=nap\r\n"},
        Click{"ok_hides_and_keeps_unsaved_colours",
              "@1 click mnucolors\n@2 type Form2.Text2 abcdef\n@3 click Form2.Command2\n"
              "@4 click mnuon",
              {"1.00 window Form2 shown", "3.00 window Form2 hidden",
               "4.00 post </b><font color=#c0c0c0 face=\"tahoma\">            " + kMark +
                   "<font color=#abcdef> abc<font color=#c0c0c0> started idle session",
               "4.51 post " + kFace + " reason: <font color=#abcdef>nap"},
              S{{"Form2.Text2", "abcdef"}, {"Form2", "hidden"}}},
        Click{"closed_editor_keeps_its_colours",
              "@1 click mnucolors\n@2 type Form2.Text1 123456\n@3 close Form2\n"
              "@4 click mnucolors\n@5 click Form2.Command4",
              {"1.00 window Form2 shown", "3.00 window Form2 hidden", "4.00 window Form2 shown",
               "5.00 post " + Preview("123456", "99ccff")},
              S{{"Form2.Text1", "123456"}, {"Form2", "shown"}}},
        Click{"closed_list_keeps_its_count",
              "@1 click mnucommands\n@2 close Form3\n@3 click mnucommands",
              {"1.00 window Form3 shown", "2.00 window Form3 hidden", "3.00 window Form3 shown"},
              S{{"Form3.Label1", "16"}, {"Form3", "shown"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Captions with their children, as "idle(on off) colors ...".
std::string Tree(const MenuItem& item) {
    std::string out;
    for (const MenuItem& child : item.children) {
        if (!out.empty()) out += ' ';
        out += child.name + ":" + child.caption;
        if (!child.children.empty()) out += "(" + Tree(child) + ")";
    }
    return out;
}

TEST(MainWindow, OpsPopsUpTheMenuWithItsItemsInOrder) {
    TempDir dir;
    dir.Write("kelvarnook.ini", kSettings);
    std::string popped = "nothing";
    RunScript(dir, "@1 click Picture3\n", "Owner", {}, [&](sim::World& world) {
        if (const MenuItem* menu = world.gui().Form("Form1")->popped_menu()) popped = Tree(*menu);
    });
    EXPECT_EQ(popped,
              "mnuidle:idle(mnuon:on mnuoff:off) mnucolors:colors mnuhandle:handle "
              "mnucommands:commands mnuminimize:minimize mnuexit:exit");
}

TEST(MainWindow, CancelledHandleIsAskedForAgainAtTheNextStart) {
    TempDir dir;
    dir.Write("kelvarnook.ini", kSettings);
    RunScript(dir, "@1 click mnuhandle\n@2 cancel\n");
    const SimRun next = RunScript(dir, "@1 answer abc\n");
    EXPECT_EQ(Lines(next, "prompt"), std::vector<std::string>{"0.51 " + kPrompt});
}

TEST(CommandList, CountsItsSixteenLinesAtStartUp) {
    TempDir dir;
    dir.Write("kelvarnook.ini", kSettings);
    int count = -1;
    const SimRun run = RunScript(dir, "@1 dump\n", "Owner", {}, [&](sim::World& world) {
        count = world.gui().Form("Form3")->ItemCount("List1");
    });
    EXPECT_EQ(count, 16);
    EXPECT_EQ(Texts(run, "state").at(9), "Form3.Label1=16");
    EXPECT_EQ(Texts(run, "state").at(10), "Form3=hidden");
}

// A name in a table that its window never raises (a typo) would leave the event unhandled;
// every button, menu item, load and close must have its handler.
TEST(EventTables, BindOnlyEventsTheirWindowRaisesAndEveryButtonAndMenuItem) {
    TempDir dir;
    sim::World world({dir.path().string()});
    Program& p = world.program();
    struct Window {
        EventTable table;
        const FormDesign& design;
        std::set<std::string> raised, needed;
    };
    Window windows[] = {{Form1Events(p), Form1Design(), {}, {"Timer1_Timer", "VexoScan1_ChatLine"}},
                        {Form2Events(p), Form2Design(), {}, {}},
                        {Form3Events(p), Form3Design(), {}, {}}};
    for (const char* event : {"Form_Load", "Form_Unload"}) {
        for (Window& w : windows) w.raised.insert(event), w.needed.insert(event);
    }
    for (Window& w : windows) {
        for (const ControlDesign& c : w.design.controls) {
            if (c.kind == ControlKind::Picture) w.raised.insert(c.name + "_Click");
            if (c.kind == ControlKind::Button) w.needed.insert(c.name + "_Click");
        }
    }
    std::function<void(const MenuItem&)> add_menu = [&](const MenuItem& item) {
        if (item.children.empty()) windows[0].needed.insert(item.name + "_Click");
        for (const MenuItem& child : item.children) add_menu(child);
    };
    add_menu(Form1Menu());
    for (const Window& w : windows) {
        for (const auto& [event, handler] : w.table) {
            EXPECT_TRUE(w.raised.contains(event) || w.needed.contains(event))
                << w.design.name << " never raises " << event;
        }
        for (const std::string& event : w.needed) {
            EXPECT_TRUE(w.table.contains(event)) << w.design.name << " leaves out " << event;
        }
    }
}

}  // namespace
}  // namespace kn::test
