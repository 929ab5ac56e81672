// The bytes a post puts into the room's input box, in the code page, and the owner's draft
// put back as it was. Which window is the room is walked under Wine among real windows; who
// the owner is shows in story scripts.
#include "bridge/host_bridge.h"

#include <gtest/gtest.h>

#include "bridge/host_windows.h"
#include "tests/native/bare_host.h"

namespace kn::test {
namespace {

// A bridge on a bare window system, with the stand-in host to put its windows there.
class Bridge : public testing::Test, public BareHost {
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
};

constexpr auto kAllFour = {host_class::kTranscript, host_class::kCombobox, host_class::kIcon,
                           host_class::kStatic};

// A window with all four controls outside the MDI client is no room: only the host's open
// windows are searched. The other rooms and decoys are walked under Wine.
TEST_F(Bridge, RoomsAreOnlyFoundInsideTheMdiClient) {
    host.Start();
    host.CloseRoom();
    OpenChild(0, kAllFour);
    EXPECT_EQ(bridge.FindChatRoom(), 0u);
}

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
    // Every post of the story scripts shows the mark and letters of the code page sent as such.
    const Send cases[] = {
        {"outside_the_code_page", "", "\xE4\xB8\xAD!", {"?!"}, ""},
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
