// The host bridge in this process against the stand-in host's real windows, the host started
// once for the whole suite: posting with the mark's byte and the owner's draft, the keyword
// box, the trimmed transcript, the control channel, and a walk through the host's windows
// for the room and the screen name (found by the lower-case class spellings).
#include <gtest/gtest.h>

#include "bridge/host_bridge.h"
#include "bridge/host_windows.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_gui_runtime.h"
#include "platform/win32/win32_window_system.h"
#include "tests/win/harness.h"

namespace kn::wintest {
namespace {

// The tests run in the order written, each from where the one before left the host.
class StandinBridge : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new test::ScratchDir;
        host_ = new Standin(*dir_, L"--screen-name \"Some Body\" --max-lines 2");
    }
    static void TearDownTestSuite() {
        delete host_;
        delete dir_;
    }
    void SetUp() override {
        ASSERT_NE(host_->frame(), nullptr) << "the stand-in host did not start";
        ASSERT_EQ(FindWindowW(L"AOL Frame25", nullptr), host_->frame())
            << "another host's frame is in the way";
    }

    WindowHandle Input() { return ws_.FindChild(bridge_.FindChatRoom(), 0, host_class::kInputBox); }
    // The front room's transcript, as the chat scanner reads it (ANSI).
    std::string Transcript() {
        const WindowHandle t = ws_.FindChild(bridge_.FindChatRoom(), 0, host_class::kTranscript);
        return ws_.Text(t, ws_.TextLength(t) + 1);
    }

    static inline test::ScratchDir* dir_ = nullptr;
    static inline Standin* host_ = nullptr;
    Win32WindowSystem ws_;
    Win32CodePage cp_;
    Win32GuiRuntime gui_;
    HostBridge bridge_{ws_, cp_, gui_};
};

TEST_F(StandinBridge, ChatSendArrivesWithTheMarkAndWithoutTagsInTheTranscript) {
    if (GetACP() != 1252) GTEST_SKIP() << "the mark's byte is 0x9B only in Windows-1252";
    const std::string line = "<font color=#99ccff>bold " + std::string("\xE2\x80\xBA") + " x";
    bridge_.ChatSend(line);
    ASSERT_TRUE(host_->WaitFor("post", line));
    EXPECT_EQ(Transcript(), "\r\nSome Body:\tbold \x9B x");
}

TEST_F(StandinBridge, ChatSendPutsTheOwnersDraftBack) {
    ASSERT_TRUE(host_->Send("draft half a thought"));
    bridge_.ChatSend("hello");
    ASSERT_TRUE(host_->WaitFor("post", "hello"));
    EXPECT_EQ(ws_.Text(Input(), 64), "half a thought");
    // The answer packs both ends in one number, so no pointer crosses the processes.
    const auto selection = static_cast<DWORD>(
        SendMessageW(static_cast<HWND>(ULongToHandle(Input())), EM_GETSEL, 0, 0));
    EXPECT_EQ(LOWORD(selection), 14) << "the caret is not at the draft's end";
    EXPECT_EQ(HIWORD(selection), 14);
    EXPECT_TRUE(host_->Lines("chat").empty()) << "the draft was said";
    ws_.SetText(Input(), "");
}

// The program sends its Enter; a person's keys are posted. Only the first is a post.
TEST_F(StandinBridge, KeysAPersonTypesAreTheOwnersOwnLine) {
    const std::size_t posts = host_->Lines("post").size();
    const HWND input = static_cast<HWND>(ULongToHandle(Input()));
    for (wchar_t c : std::wstring(L"hi\r")) PostMessageW(input, WM_CHAR, c, 0);
    ASSERT_TRUE(host_->WaitFor("chat", "Some Body: hi"));
    EXPECT_EQ(ws_.Text(Input(), 64), "");
    EXPECT_EQ(host_->Lines("post").size(), posts);
}

TEST_F(StandinBridge, TheTrimmedRoomKeepsItsLastLinesEachAsNameColonTabText) {
    for (const char* line : {"chat Ann: one", "chat Bob: two: too", "owner <b>three</b>"}) {
        ASSERT_TRUE(host_->Send(line)) << line;
    }
    EXPECT_EQ(Transcript(), "\r\nBob:\ttwo: too\r\nSome Body:\tthree");
    ASSERT_TRUE(host_->WaitFor("chat", "Some Body: <b>three</b>"));
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
    ASSERT_TRUE(host_->WaitFor("keyword", "aol://2719:2-2-My  room"));
    EXPECT_EQ(ws_.Text(field, 64), "");
}

// Control lines follow the script's words; one that can't be done is refused, not half done.
TEST_F(StandinBridge, ControlLinesThatCannotBeDoneAreRefused) {
    const std::size_t said = host_->Lines("chat").size();
    const std::vector<std::pair<std::string, bool>> replies = {
        {"nonsense", false},        {"host signoff now", false}, {"chat nobody", false},
        {"host start", false},      {"ownerless", false},        {"host room close", true},
        {"owner idleon", false},    {"draft x", false},          {"chat Bob: x", false},
        {"host room close", false}, {"host room open", true},    {"owner ", true},
    };
    for (const auto& [line, done] : replies) EXPECT_EQ(host_->Send(line), done) << line;
    ASSERT_TRUE(host_->WaitForCount("chat", said + 1).size() == said + 1);
    EXPECT_EQ(host_->Lines("chat").back().text, "Some Body: ");
}

enum class Found { FirstRoom, AnotherRoom, Nothing };

// The room is the front-most window with all four controls as direct children; the screen
// name comes from the welcome title nearest the front.
TEST_F(StandinBridge, AWalkThroughTheHostsWindowsFindsTheRoomAndTheScreenName) {
    const WindowHandle first = bridge_.FindChatRoom();
    ASSERT_NE(first, 0u);
    const struct {
        const char* line;
        Found room;
        const char* screen_name;
    } kSteps[] = {
        {"host window Mail", Found::FirstRoom, "Some Body"},
        {"host decoy nested", Found::FirstRoom, "Some Body"},
        {"host decoy partial", Found::FirstRoom, "Some Body"},
        {"host signon Zed", Found::FirstRoom, "Zed"},
        {"host signoff", Found::FirstRoom, ""},
        {"host window Welcome, Front!", Found::FirstRoom, "Front"},
        {"host room open", Found::FirstRoom, "Front"},
        {"host window Mail", Found::FirstRoom, "Front"},
        {"host room close", Found::AnotherRoom, "Front"},
        {"host room close", Found::Nothing, "Front"},
        {"host quit", Found::Nothing, ""},
        {"host start", Found::AnotherRoom, "Some Body"},
    };
    for (const auto& step : kSteps) {
        ASSERT_TRUE(host_->Send(step.line)) << step.line;
        const WindowHandle found = bridge_.FindChatRoom();
        EXPECT_EQ(found == first, step.room == Found::FirstRoom) << step.line;
        EXPECT_EQ(found == 0, step.room == Found::Nothing) << step.line;
        EXPECT_EQ(bridge_.GetOwnScreenName(), step.screen_name) << step.line;
    }
}

}  // namespace
}  // namespace kn::wintest
