// The host bridge in this process against the stand-in host's real windows: the owner's draft
// put back after a post, and a walk through the host's windows for the room and the screen
// name (found by the lower-case class spellings). What the program posts, and the keyword,
// are the end-to-end tests' (program_test.cpp).
#include <gtest/gtest.h>

#include "bridge/host_bridge.h"
#include "bridge/host_windows.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_gui_runtime.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_window_system.h"
#include "tests/win/harness.h"

namespace kn::wintest {
namespace {

class StandinBridge : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(host_.frame(), nullptr) << "the stand-in host did not start";
        ASSERT_EQ(FindWindowW(L"AOL Frame25", nullptr), host_.frame())
            << "another host's frame is in the way";
    }

    WindowHandle Input() { return ws_.FindChild(bridge_.FindChatRoom(), 0, host_class::kInputBox); }

    test::ScratchDir dir_;
    Standin host_{dir_.dir(), L"--screen-name \"Some Body\""};
    Win32WindowSystem ws_;
    Win32CodePage cp_;
    Win32GuiRuntime gui_;
    HostBridge bridge_{ws_, cp_, gui_};
};

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
        ASSERT_TRUE(host_.Send(step.line)) << step.line;
        const WindowHandle found = bridge_.FindChatRoom();
        EXPECT_EQ(found == first, step.room == Found::FirstRoom) << step.line;
        EXPECT_EQ(found == 0, step.room == Found::Nothing) << step.line;
        EXPECT_EQ(bridge_.GetOwnScreenName(), step.screen_name) << step.line;
    }
}

// A window that answers WM_GETTEXTLENGTH with whatever a test puts here.
LRESULT g_length = 0;
LRESULT CALLBACK BogusLengthProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    return msg == WM_GETTEXTLENGTH ? g_length : DefWindowProcW(w, msg, wp, lp);
}

// A length past 16 MiB is no answer rather than a buffer that size or bad_alloc.
TEST(Win32WindowSystem, AHugeOrBogusTextLengthReadsAsNoAnswer) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = BogusLengthProc;
    wc.lpszClassName = L"KnBogusLength";
    RegisterClassW(&wc);
    const HWND w =
        CreateWindowW(L"KnBogusLength", L"text", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(w, nullptr);
    Win32WindowSystem ws;
    const std::pair<LRESULT, std::optional<std::size_t>> cases[] = {
        {4, 4}, {16 << 20, 16u << 20}, {(16 << 20) + 1, {}}, {LRESULT{1} << 40, {}}, {-1, {}}};
    for (const auto& [answered, length] : cases) {
        g_length = answered;
        EXPECT_EQ(ws.TextLength(HandleToULong(w)), length) << answered;
    }
    EXPECT_EQ(ws.Text(HandleToULong(w), std::size_t{1} << 40), "text");
    DestroyWindow(w);
}

// Started by a person: --help answers with the usage and 0, no arguments with the usage and 2
// (bare, it would run unseen and record nothing), a bad argument with 2.
TEST(StandinCommandLine, TellsHowToStartIt) {
    test::ScratchDir dir;
    for (const auto& [arguments, code] :
         {std::pair{L"--help", 0ul}, std::pair{L"", 2ul}, std::pair{L"--loud", 2ul},
          std::pair{L"--max-lines 0", 2ul}, std::pair{L"--visible --help", 0ul}}) {
        Process host(WindowsPath(win32::Widen(KN_HOST_EXE)), arguments, dir.dir().wstring());
        ASSERT_TRUE(host.WaitForExit()) << win32::Narrow(arguments);
        EXPECT_EQ(host.ExitCode(), code) << win32::Narrow(arguments);
    }
}

}  // namespace
}  // namespace kn::wintest
