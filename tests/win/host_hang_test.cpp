// kelvarnook.exe beside a stand-in host that stops pumping messages for 30 seconds: the
// program keeps answering, loses what it would have posted, and posts again once the host is back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/win/harness.h"
#include "windows/designs.h"

namespace kn::wintest {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kHangSeconds = 30;
constexpr UINT_PTR kTimer1 = 1;
// A host only counts as hung once it has not pumped for 5 s; until then each message to it
// may take the program's whole time limit, and one already waiting finishes its wait.
constexpr long long kOnsetMs = 9000;
constexpr long long kOnsetStallMs = 10000;
constexpr long long kPromptMs = 1000;

// The idle line of the nth minute: the first minute's line with its count changed.
std::string IdleLine(const std::string& minutes) {
    return Reworded(StoryPost("first_start_idle", "70.00"), "1", minutes);
}

long long MillisSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// One round of probes during the hang: when it began (ms into the hang), how long the program
// took to answer WM_NULL, and the slowest of that, a repaint and a tick; -1 when one never
// came within the harness's patience.
struct Probe {
    long long at, null_message, slowest;
};

class HungHost : public BesideHost {
  protected:
    void SetUp() override {
        BesideHost::SetUp();
        Start("first_start_idle.ini");
        label2_ = ControlOf(form1_, form1::Label2);
        ASSERT_NE(label2_, nullptr);
        ASSERT_TRUE(host_.Send("owner idleon"));
        ASSERT_TRUE(host_.WaitFor("post", StoryPost("first_start_idle", "10.51")));
    }

    long long NullMessage() {
        const auto start = Clock::now();
        DWORD_PTR ignored = 0;
        if (!SendMessageTimeoutW(form1_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored)) return -1;
        return MillisSince(start);
    }

    long long Repaint() {
        const auto start = Clock::now();
        InvalidateRect(form1_, nullptr, FALSE);
        const bool painted = WaitUntil([&] { return !GetUpdateRect(form1_, nullptr, FALSE); });
        return painted ? MillisSince(start) : -1;
    }

    // One tick of Timer1 as the window system delivers it; the counter goes up first thing.
    long long Tick() {
        const std::string want = std::to_string(++ticks_);
        const auto start = Clock::now();
        PostMessageW(form1_, WM_TIMER, kTimer1, 0);
        const bool counted = WaitUntil([&] { return SentText(label2_) == want; });
        return counted ? MillisSince(start) : -1;
    }

    // Probes about once a second, stopping early enough that every tick's lines are given up
    // before the host pumps again.
    std::vector<Probe> ProbeWhileHung(Clock::time_point hang_start) {
        std::vector<Probe> probes;
        while (MillisSince(hang_start) < 1000 * (kHangSeconds - 3)) {
            const auto start = Clock::now();
            const long long at = MillisSince(hang_start), null_message = NullMessage(),
                            repaint = Repaint(), tick = Tick();
            const bool answered = null_message >= 0 && repaint >= 0 && tick >= 0;
            probes.push_back(
                {at, null_message, answered ? std::max({null_message, repaint, tick}) : -1});
            const long long spent = MillisSince(start);
            if (spent < 1000) Sleep(static_cast<DWORD>(1000 - spent));
        }
        return probes;
    }

    HWND label2_ = nullptr;
    int ticks_ = 0;
};

TEST_F(HungHost, TheProgramAnswersLosesItsLinesAndPostsAgainAfter) {
    const auto asked = Clock::now();
    ASSERT_TRUE(host_.Send("host hang " + std::to_string(kHangSeconds)));
    EXPECT_LT(MillisSince(asked), kPromptMs) << "the control line waited for the hang";
    ASSERT_TRUE(host_.WaitFor("hang", std::to_string(kHangSeconds)));

    const std::vector<Probe> probes = ProbeWhileHung(asked);
    long long onset = 0, after_onset = 0, null_message = 0;
    for (const Probe& p : probes) {
        ASSERT_GE(p.slowest, 0) << "a probe at " << p.at << " ms was never answered";
        null_message = std::max(null_message, p.null_message);
        long long& slowest = p.at < kOnsetMs ? onset : after_onset;
        slowest = std::max(slowest, p.slowest);
    }
    std::printf(
        "%zu probes while hung: WM_NULL at most %lld ms; slowest answer %lld ms in the "
        "first %lld ms, %lld ms after\n",
        probes.size(), null_message, onset, kOnsetMs, after_onset);
    EXPECT_GE(probes.size(), static_cast<std::size_t>(kHangSeconds / 2));
    EXPECT_LT(null_message, kPromptMs);
    EXPECT_LT(onset, kOnsetStallMs);
    EXPECT_LT(after_onset, kPromptMs);
    ASSERT_EQ(host_.Lines("hang").size(), 1u) << "the host pumped again while probed";

    // Back again: a command is confirmed and the next tick reports the ticks missed meanwhile.
    ASSERT_TRUE(host_.WaitFor("hang", "over"));
    ASSERT_TRUE(host_.Send("owner reason lunch"));
    ASSERT_TRUE(host_.WaitFor("post", StoryPost("owner_words", "18.00")));
    ASSERT_GE(Tick(), 0);
    const std::string next = std::to_string(ticks_);
    EXPECT_TRUE(host_.WaitFor("post", IdleLine(next)));
    EXPECT_TRUE(host_.WaitFor("post", StoryPost("welcome_and_rooms", "74.51")));
    // The host's thread records "hang over" before it reads its queue again, so every post of
    // the hang lands after it: only the new reason and the tick's two lines may be there, not
    // the lines of the ticks missed nor anything read before the hang.
    const std::vector<RecordLine> record = host_.Record();
    const auto over = std::find_if(record.begin(), record.end(), [](const RecordLine& r) {
        return r.kind == "hang" && r.text == "over";
    });
    EXPECT_EQ(
        std::count_if(over, record.end(), [](const RecordLine& r) { return r.kind == "post"; }), 3)
        << "lines of the hang reached the room after it";
}

}  // namespace
}  // namespace kn::wintest
