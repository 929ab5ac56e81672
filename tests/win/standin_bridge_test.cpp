// The host bridge in this process against the stand-in host's real windows: finding the room
// among decoys and in front-to-back order, the screen name through the lower-case lookups,
// posting with the mark's byte and the owner's draft, the keyword box, the control channel.
#include <gtest/gtest.h>

#include "bridge/host_bridge.h"
#include "bridge/host_windows.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_gui_runtime.h"
#include "platform/win32/win32_window_system.h"
#include "tests/win/harness.h"

namespace kn::wintest {
namespace {

class StandinBridge : public ::testing::Test {
  protected:
    explicit StandinBridge(const std::wstring& host_arguments = L"")
        : host_(dir_, host_arguments) {}

    void SetUp() override {
        ASSERT_NE(host_.frame(), nullptr) << "the stand-in host did not start";
        ASSERT_EQ(FindWindowW(L"AOL Frame25", nullptr), host_.frame())
            << "another host's frame is in the way";
    }

    WindowHandle Input() { return ws_.FindChild(bridge_.FindChatRoom(), 0, host_class::kInputBox); }
    // The front room's transcript, as the chat scanner reads it (ANSI).
    std::string Transcript() {
        const WindowHandle t = ws_.FindChild(bridge_.FindChatRoom(), 0, host_class::kTranscript);
        return ws_.Text(t, ws_.TextLength(t) + 1);
    }

    test::ScratchDir dir_;
    Standin host_;
    Win32WindowSystem ws_;
    Win32CodePage cp_;
    Win32GuiRuntime gui_;
    HostBridge bridge_{ws_, cp_, gui_};
};

enum class Found { FirstRoom, AnotherRoom, Nothing };

struct RoomCase {
    const char* name;
    std::vector<std::string> lines;
    Found found;
};

class FindChatRoom : public StandinBridge, public ::testing::WithParamInterface<RoomCase> {};

TEST_P(FindChatRoom, FindsTheFrontMostWindowWithAllFourControls) {
    const WindowHandle first = bridge_.FindChatRoom();
    ASSERT_NE(first, 0u);
    for (const std::string& line : GetParam().lines) ASSERT_TRUE(host_.Send(line)) << line;
    const WindowHandle found = bridge_.FindChatRoom();
    switch (GetParam().found) {
        case Found::FirstRoom:
            EXPECT_EQ(found, first);
            break;
        case Found::AnotherRoom:
            EXPECT_NE(found, first);
            EXPECT_NE(found, 0u);
            break;
        case Found::Nothing:
            EXPECT_EQ(found, 0u);
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindChatRoom,
    ::testing::Values(
        RoomCase{"BehindAPlainWindow", {"host window Mail"}, Found::FirstRoom},
        RoomCase{"BehindControlsNestedInAPanel", {"host decoy nested"}, Found::FirstRoom},
        RoomCase{"BehindAWindowWithoutTheStatic", {"host decoy partial"}, Found::FirstRoom},
        RoomCase{"InFrontOfASecondRoom", {"host room open"}, Found::FirstRoom},
        RoomCase{"TheRoomBehindOnceTheFrontOneCloses",
                 {"host room open", "host window Mail", "host room close"},
                 Found::AnotherRoom},
        RoomCase{"NotAmongDecoysOnly",
                 {"host decoy nested", "host decoy partial", "host room close"},
                 Found::Nothing},
        RoomCase{"NotWhileTheHostIsQuit", {"host quit"}, Found::Nothing},
        RoomCase{"ANewOneAfterARestart", {"host quit", "host start"}, Found::AnotherRoom}),
    [](const auto& info) { return std::string(info.param.name); });

struct NameCase {
    const char* name;
    std::vector<std::string> lines;
    std::string screen_name;
};

class OwnScreenName : public StandinBridge, public ::testing::WithParamInterface<NameCase> {
  protected:
    OwnScreenName() : StandinBridge(L"--screen-name \"Some Body\"") {}
};

// The screen name is looked up by the lower-case spellings of the classes the host registers
// in mixed case; the room by the mixed-case ones. Both must name the same windows.
TEST_P(OwnScreenName, IsReadFromTheWelcomeWindowNearestTheFront) {
    ASSERT_NE(bridge_.FindChatRoom(), 0u);
    for (const std::string& line : GetParam().lines) ASSERT_TRUE(host_.Send(line)) << line;
    EXPECT_EQ(bridge_.GetOwnScreenName(), GetParam().screen_name);
}

INSTANTIATE_TEST_SUITE_P(Cases, OwnScreenName,
                         ::testing::Values(NameCase{"AtStart", {}, "Some Body"},
                                           NameCase{"AfterASignOn", {"host signon Zed"}, "Zed"},
                                           NameCase{"NobodyAfterASignOff", {"host signoff"}, ""},
                                           NameCase{"FromAWelcomeTitleInFront",
                                                    {"host window Welcome, Front!"},
                                                    "Front"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StandinBridge, ChatSendArrivesWithTheMarkAndWithoutTagsInTheTranscript) {
    if (GetACP() != 1252) GTEST_SKIP() << "the mark's byte is 0x9B only in Windows-1252";
    const std::string line = "<font color=#99ccff>bold " + std::string("\xE2\x80\xBA") + " x";
    bridge_.ChatSend(line);
    ASSERT_TRUE(host_.WaitFor("post", line));
    EXPECT_EQ(Transcript(), "\r\nOwner:\tbold \x9B x");
}

TEST_F(StandinBridge, ChatSendPutsTheOwnersDraftBack) {
    ASSERT_TRUE(host_.Send("draft half a thought"));
    bridge_.ChatSend("hello");
    ASSERT_TRUE(host_.WaitFor("post", "hello"));
    EXPECT_EQ(ws_.Text(Input(), 64), "half a thought");
    // The answer packs both ends in one number, so no pointer crosses the processes.
    const auto selection = static_cast<DWORD>(
        SendMessageW(static_cast<HWND>(ULongToHandle(Input())), EM_GETSEL, 0, 0));
    EXPECT_EQ(LOWORD(selection), 14) << "the caret is not at the draft's end";
    EXPECT_EQ(HIWORD(selection), 14);
    EXPECT_TRUE(host_.Lines("chat").empty()) << "the draft was said";
}

// The program sends its Enter; a person's keys are posted. Only the first is a post.
TEST_F(StandinBridge, KeysAPersonTypesAreTheOwnersOwnLine) {
    const HWND input = static_cast<HWND>(ULongToHandle(Input()));
    for (wchar_t c : std::wstring(L"hi\r")) PostMessageW(input, WM_CHAR, c, 0);
    ASSERT_TRUE(host_.WaitFor("chat", "Owner: hi"));
    EXPECT_EQ(ws_.Text(Input(), 64), "");
    EXPECT_TRUE(host_.Lines("post").empty());
}

class TrimmedRoom : public StandinBridge {
  protected:
    TrimmedRoom() : StandinBridge(L"--max-lines 2") {}
};

TEST_F(TrimmedRoom, KeepsTheLastLinesEachAsNameColonTabText) {
    for (const char* line : {"chat Ann: one", "chat Bob: two: too", "owner <b>three</b>"}) {
        ASSERT_TRUE(host_.Send(line)) << line;
    }
    EXPECT_EQ(Transcript(), "\r\nBob:\ttwo: too\r\nOwner:\tthree");
    std::vector<std::string> said;
    for (const RecordLine& r : host_.WaitForCount("chat", 3)) said.push_back(r.text);
    EXPECT_EQ(said, (std::vector<std::string>{"Ann: one", "Bob: two: too", "Owner: <b>three</b>"}));
}

TEST_F(StandinBridge, TheKeywordIsWhatTheProgramSetNotWhatWasTyped) {
    WindowHandle field = ws_.FindTopLevel(host_class::kFrameLower);
    for (const char* cls : {host_class::kToolbar, host_class::kInnerToolbar,
                            host_class::kKeywordBox, host_class::kKeywordEdit}) {
        field = ws_.FindChild(field, 0, cls);
    }
    ASSERT_NE(field, 0u);
    for (wchar_t c : std::wstring(L"junk")) {
        PostMessageW(static_cast<HWND>(ULongToHandle(field)), WM_CHAR, c, 0);
    }
    ASSERT_TRUE(WaitUntil([&] { return ws_.Text(field, 64) == "junk"; }));
    bridge_.EnterPrivateRoom("My  room");
    ASSERT_TRUE(host_.WaitFor("keyword", "aol://2719:2-2-My  room"));
    EXPECT_EQ(ws_.Text(field, 64), "");
}

// Control lines follow the script's words; one that can't be done is refused, not half done.
TEST_F(StandinBridge, ControlLinesThatCannotBeDoneAreRefused) {
    const std::vector<std::pair<std::string, bool>> replies = {
        {"nonsense", false},        {"host signoff now", false}, {"chat nobody", false},
        {"host start", false},      {"ownerless", false},        {"host room close", true},
        {"owner idleon", false},    {"draft x", false},          {"chat Bob: x", false},
        {"host room close", false}, {"host room open", true},    {"owner ", true},
    };
    for (const auto& [line, done] : replies) EXPECT_EQ(host_.Send(line), done) << line;
    const std::vector<RecordLine> said = host_.Lines("chat");
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0].text, "Owner: ");
}

}  // namespace
}  // namespace kn::wintest
