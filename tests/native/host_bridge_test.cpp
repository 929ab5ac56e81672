// The host bridge against the stand-in host's windows: which window is the chat room, and the
// bytes a post puts into the room's input box. Who the owner is shows in story scripts.
#include "bridge/host_bridge.h"

#include <gtest/gtest.h>

#include <functional>

#include "bridge/host_windows.h"
#include "host/sim/sim_host.h"
#include "platform/sim/iconv_code_page.h"
#include "platform/sim/sim_gui_runtime.h"

namespace kn::test {
namespace {

using sim::SimWindowSystem;

// A bridge on a bare window system, with the stand-in host to put its windows there.
class Bridge : public testing::Test {
  public:
    WindowHandle Mdi() {
        return ws.FindChild(ws.FindTopLevel(host_class::kFrame), 0, host_class::kMdiClient);
    }
    // An open window of the host holding direct children of the classes given.
    WindowHandle OpenChild(WindowHandle parent, std::initializer_list<const char*> classes) {
        const WindowHandle w = ws.Create(parent, host_class::kChild, "window");
        for (const char* cls : classes) ws.Create(w, cls, "", true);
        return w;
    }

    sim::VirtualClock clock;
    sim::Scheduler scheduler{clock};
    sim::Record record{scheduler, nullptr};
    SimWindowSystem ws;
    IconvCodePage cp;
    sim::SimGuiRuntime gui{scheduler, ws, record, "/nonexistent"};
    sim::SimHost host{ws, cp, record, "Owner"};
    HostBridge bridge{ws, cp, gui};
};

constexpr auto kAllFour = {host_class::kTranscript, host_class::kCombobox, host_class::kIcon,
                           host_class::kStatic};

struct Room {
    const char* name;
    // Arranges the host's windows; returns the window that must be found (0: none).
    std::function<WindowHandle(Bridge&)> arrange;
};

void PrintTo(const Room& c, std::ostream* os) {
    *os << c.name;
}

class ChatRooms : public Bridge, public testing::WithParamInterface<Room> {};

TEST_P(ChatRooms, AreTheFrontmostChildWithAllFourControls) {
    const WindowHandle expected = GetParam().arrange(*this);
    EXPECT_EQ(bridge.FindChatRoom(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Locator, ChatRooms,
    testing::Values(Room{"host_not_running", [](Bridge&) -> WindowHandle { return 0; }},
                    Room{"the_room_at_start",
                         [](Bridge& b) {
                             b.host.Start();
                             return b.host.FrontRoom();
                         }},
                    Room{"room_closed",
                         [](Bridge& b) -> WindowHandle {
                             b.host.Start();
                             b.host.CloseRoom();
                             return 0;
                         }},
                    Room{"ordinary_window_in_front",
                         [](Bridge& b) {
                             b.host.Start();
                             const WindowHandle room = b.host.FrontRoom();
                             b.host.OpenWindow("mail");
                             return room;
                         }},
                    Room{"room_reopened_behind",
                         [](Bridge& b) {
                             b.host.Start();
                             b.host.CloseRoom();
                             b.host.OpenWindow("mail");
                             b.host.OpenRoom();
                             return b.host.FrontRoom();
                         }},
                    Room{"two_rooms_front_wins",
                         [](Bridge& b) {
                             b.host.Start();
                             const WindowHandle first = b.host.FrontRoom();
                             b.host.OpenRoom();
                             return first;
                         }},
                    Room{"three_of_four_is_no_room",
                         [](Bridge& b) -> WindowHandle {
                             b.host.Start();
                             b.host.CloseRoom();
                             b.OpenChild(b.Mdi(), {host_class::kTranscript, host_class::kCombobox,
                                                   host_class::kIcon});
                             return 0;
                         }},
                    Room{"passes_over_an_incomplete_one",
                         [](Bridge& b) {
                             b.host.Start();
                             const WindowHandle room = b.host.FrontRoom();
                             b.OpenChild(b.Mdi(), {host_class::kCombobox, host_class::kIcon,
                                                   host_class::kStatic, host_class::kInputBox});
                             return room;
                         }},
                    Room{"controls_nested_deeper_do_not_count",
                         [](Bridge& b) -> WindowHandle {
                             b.host.Start();
                             b.host.CloseRoom();
                             b.OpenChild(b.OpenChild(b.Mdi(), {}), kAllFour);
                             return 0;
                         }},
                    Room{"outside_the_mdi_client_is_no_room",
                         [](Bridge& b) -> WindowHandle {
                             b.host.Start();
                             b.host.CloseRoom();
                             b.OpenChild(0, kAllFour);
                             return 0;
                         }}),
    [](const auto& info) { return std::string(info.param.name); });

// What a room's input box receives: every WM_SETTEXT's bytes and every WM_CHAR, with Enter
// emptying the box as the host does.
class InputBox : public Bridge {
  protected:
    void SetUp() override {
        host.Start();
        host.CloseRoom();
        room_ = OpenChild(Mdi(), kAllFour);
        box_ = ws.Create(room_, host_class::kInputBox, "", true,
                         {[this](WindowHandle w, std::string_view text) {
                              texts_.emplace_back(text);
                              ws.SetRawText(w, std::string(text));
                          },
                          [this](WindowHandle w, unsigned ch) {
                              chars_.push_back(ch);
                              if (ch == 13 && enter_empties_) ws.SetRawText(w, "");
                          }});
    }

    WindowHandle room_ = 0, box_ = 0;
    std::vector<std::string> texts_;
    std::vector<unsigned> chars_;
    bool enter_empties_ = true;  // false: the host refused the line and kept it in the box
};

struct Send {
    const char* name;
    std::string draft;  // what the owner had typed into the box (ANSI)
    std::string line;   // UTF-8
    std::vector<std::string> texts;
    std::string box_after;
    std::size_t caret = 0;
    bool enter_empties = true;
};

TEST_F(InputBox, GetsTheLineInTheCodePageThenEnterThenTheDraftBack) {
    const Send cases[] = {
        {"mark_is_one_byte", "", "a \xE2\x80\xBA b", {"a \x9B b"}, ""},
        {"latin_and_euro", "", "caf\xC3\xA9 \xE2\x82\xAC", {"caf\xE9 \x80"}, ""},
        {"outside_the_code_page", "", "\xE4\xB8\xAD!", {"?!"}, ""},
        {"draft_put_back",
         "half a thought",
         "line",
         {"line", "half a thought"},
         "half a thought",
         14},
        {"draft_bytes_kept", "caf\xE9 \x9B", "line", {"line", "caf\xE9 \x9B"}, "caf\xE9 \x9B", 6},
        {"box_left_full_keeps_it", "half", "line", {"line"}, "line", 0, false},
    };
    for (const Send& c : cases) {
        SCOPED_TRACE(c.name);
        ws.SetRawText(box_, c.draft);
        enter_empties_ = c.enter_empties;
        texts_.clear();
        chars_.clear();
        bridge.ChatSend(c.line);
        EXPECT_EQ(texts_, c.texts);
        EXPECT_EQ(chars_, std::vector<unsigned>{13});
        EXPECT_EQ(ws.RawText(box_), c.box_after);
        EXPECT_EQ(ws.Caret(box_), c.caret);
    }
}

}  // namespace
}  // namespace kn::test
