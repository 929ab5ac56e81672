// What a story's record can't show of the program's own windows: each stays above the host's
// windows once loaded, every event their tables bind is one the window raises, and every
// button and menu item has its handler.
#include <gtest/gtest.h>

#include <set>

#include "app/sim/world.h"
#include "core/form_events.h"
#include "tests/native/sim_run.h"
#include "windows/designs.h"

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

// A name in a table that its window never raises (a typo) would leave the event unhandled;
// every button, menu item, load and close must have its handler.
TEST(EventTables, BindOnlyEventsTheirWindowRaisesAndEveryButtonAndMenuItem) {
    ScratchDir dir;
    sim::World world({dir.dir().string()});
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
            if (c.kind == ControlKind::Picture && c.tab_index >= 0) {
                w.raised.insert("Form_ContextMenu");
            }
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
