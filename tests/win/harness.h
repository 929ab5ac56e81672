// Running the stand-in host and kelvarnook.exe side by side for the Windows tests: starting
// them in a scratch directory, driving the host by control lines, reading its record, and
// finding the program's windows with user32.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gui_runtime.h"
#include "tests/shared/scratch_dir.h"
#include "tests/win/shared/processes.h"

namespace kn::wintest {

// One line of the host's record: "T kind text", T in hundredths of a second.
struct RecordLine {
    long centis = 0;
    std::string kind, text;
};

// The programs of the 32-bit build beside this test's own: a real user's host client is 32-bit,
// and either kelvarnook.exe must work beside it.
inline constexpr char kHost32Exe[] = KN_HOST32_EXE;
inline constexpr char kProgram32Exe[] = KN_PROGRAM32_EXE;

// Why this machine runs no 32-bit x86 code (scripts/wine-run passes on what scripts/runs-32bit
// says), or nothing where it does. Where it doesn't, it also notes the calling test in the
// file KN_SKIP_LOG names, for `make test`'s last line: a skip is never silent.
std::optional<std::string> Skipped32Bit();
#define KN_SKIP_WITHOUT_32BIT_CODE() \
    if (const auto why = ::kn::wintest::Skipped32Bit()) GTEST_SKIP() << *why

// The stand-in host a program runs beside: the 32-bit one, as the real host client is, where
// 32-bit code runs; the 64-bit one elsewhere.
const char* HostBesideProgram();

// kn-standin-host.exe (or `exe`) in a scratch directory, recording into "record.txt" there.
class Standin {
  public:
    explicit Standin(const std::filesystem::path& dir, const std::wstring& extra_arguments = L"",
                     std::string_view exe = KN_HOST_EXE);

    // Sends one control line; the host's answer (true: done).
    bool Send(std::string_view line);
    std::vector<RecordLine> Record() const;
    // The record's lines of `kind`, as it stands now.
    std::vector<RecordLine> Lines(std::string_view kind) const;
    // Waits for the `nth` (1-based) record line of `kind` with `text`.
    std::optional<RecordLine> WaitFor(std::string_view kind, std::string_view text, int nth = 1);

    HWND frame() const { return frame_; }

  private:
    std::wstring record_path_;
    Process process_;
    HWND control_ = nullptr;
    HWND frame_ = nullptr;
};

// kelvarnook.exe (or `exe`) copied into a scratch directory and started there, so that its
// settings file is the directory's own.
class Program {
  public:
    explicit Program(const test::ScratchDir& dir, std::string_view exe = KN_PROGRAM_EXE);

    // The main window, once it exists; null when it never appears.
    HWND Form1();
    // Waits for the handle prompt, checks its prompt text, types `answer` and presses OK.
    // False when no prompt appeared or it asked something else.
    bool AnswerPrompt(const std::wstring& answer);
    // Waits until start-up has returned: the main window is shown.
    bool WaitUntilShown();
    bool WaitForExit() { return process_.WaitForExit(); }

  private:
    Process process_;
};

// A test beside the stand-in host, in a scratch directory of its own.
class BesideHost : public ::testing::Test {
  protected:
    explicit BesideHost(std::string_view host_exe = KN_HOST_EXE)
        : host_(dir_.dir(), L"", host_exe) {}
    void SetUp() override {
        ASSERT_NE(host_.frame(), nullptr) << "the stand-in host did not start";
    }
    // Starts `exe` on the stories' settings file `story_file` and waits for its loaded banner.
    void Start(const std::string& story_file, std::string_view exe = KN_PROGRAM_EXE);

    test::ScratchDir dir_;
    Standin host_;
    std::optional<Program> program_;
    HWND form1_ = nullptr;
};

// A build of kelvarnook.exe: the test's own, or the 32-bit one.
struct Build {
    const char* name;
    const char* program;
};
inline constexpr Build kBuilds[] = {{"Program64", KN_PROGRAM_EXE}, {"Program32", kProgram32Exe}};
inline std::string BuildName(const ::testing::TestParamInfo<Build>& info) {
    return info.param.name;
}

// A test run with each build, beside the host that a real user's program runs beside.
class BesideHostEachBuild : public BesideHost, public ::testing::WithParamInterface<Build> {
  protected:
    BesideHostEachBuild() : BesideHost(HostBesideProgram()) {}
    void SetUp() override {
        if (GetParam().program == kProgram32Exe) KN_SKIP_WITHOUT_32BIT_CODE();
        BesideHost::SetUp();
    }
    // Says `text` as the owner and waits for the program's answer `reply`.
    std::optional<RecordLine> Command(const std::string& text, const std::string& reply) {
        if (!host_.Send("owner " + text)) return std::nullopt;
        return host_.WaitFor("post", reply);
    }
};

// Makes `w` the foreground window, asking again until it is: one request from a process in
// the background can go unanswered under load. False when it never became so.
bool BringToFront(HWND w);

// The first window under `parent`, at any depth, that `is` picks; null if none.
HWND Descendant(HWND parent, const std::function<bool(HWND)>& is);
// The control at `place` in its design (form1::Text1, ...) in the window `form`.
HWND ControlOf(HWND form, ControlIndex place);
// A window's class name.
std::string ClassOf(HWND w);
// A control's text as a screen reader asks for it, by WM_GETTEXT: GetWindowText reads only
// the caption the window system keeps, which another process's edit control never updates.
std::string SentText(HWND w);

// A file beside the story scripts (tests/scripts). Their golden records hold the program's
// lines byte for byte, so the Windows tests expect the lines from there, not from a copy.
std::string StoryFile(const std::string& name);
// The text of the post at `time` in the golden record of `story`; "" when there is none.
std::string StoryPost(const std::string& story, const std::string& time);
// `line` with its last word `was` changed to `now`: a story's line for other values ("" when
// `line` does not end in `was`).
std::string Reworded(const std::string& line, std::string_view was, std::string_view now);

}  // namespace kn::wintest
