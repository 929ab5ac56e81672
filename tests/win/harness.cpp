// The test side of the two processes: the host's record read back, and the program copied
// into the scratch directory and found by its windows.
#include "tests/win/harness.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/win32/win32_ids.h"
#include "platform/win32/win32_text.h"
#include "standin/win32/standin_ids.h"

namespace kn::wintest {

namespace {

RecordLine Parse(const std::string& line) {
    RecordLine r;
    const std::size_t blank = line.find(' ');
    const std::size_t dot = line.find('.');
    r.centis = std::stol(line.substr(0, dot)) * 100 + std::stol(line.substr(dot + 1, 2));
    const std::size_t kind_end = line.find(' ', blank + 1);
    r.kind = line.substr(blank + 1, kind_end - blank - 1);
    if (kind_end != std::string::npos) r.text = line.substr(kind_end + 1);
    return r;
}

std::wstring CopyProgramInto(const test::ScratchDir& dir, std::string_view exe) {
    const std::filesystem::path target = dir.dir() / "kelvarnook.exe";
    CopyFileW(WindowsPath(win32::Widen(exe)).c_str(), target.wstring().c_str(), FALSE);
    return target.wstring();
}

}  // namespace

Standin::Standin(const std::filesystem::path& dir, const std::wstring& extra_arguments,
                 std::string_view exe)
    : record_path_((dir / "record.txt").wstring()),
      process_(WindowsPath(win32::Widen(exe)),
               L"--record \"" + record_path_ + L"\" " + extra_arguments, dir.wstring()) {
    control_ = process_.WaitForWindow(standin::kControlClass);
    if (control_) frame_ = process_.WaitForWindow(L"AOL Frame25");
}

bool Standin::Send(std::string_view line) {
    return SendControlLine(control_, line);
}

std::vector<RecordLine> Standin::Record() const {
    std::vector<RecordLine> lines;
    std::istringstream in(ReadShared(record_path_));
    for (std::string line; std::getline(in, line);) lines.push_back(Parse(line));
    return lines;
}

std::optional<RecordLine> Standin::WaitFor(std::string_view kind, std::string_view text, int nth) {
    std::optional<RecordLine> found;
    WaitUntil([&] {
        int seen = 0;
        for (const RecordLine& r : Record()) {
            if (r.kind == kind && r.text == text && ++seen == nth) found = r;
        }
        return found.has_value();
    });
    return found;
}

std::vector<RecordLine> Standin::Lines(std::string_view kind) const {
    std::vector<RecordLine> lines;
    for (const RecordLine& r : Record()) {
        if (r.kind == kind) lines.push_back(r);
    }
    return lines;
}

Program::Program(const test::ScratchDir& dir, std::string_view exe)
    : process_(CopyProgramInto(dir, exe), L"", dir.dir().wstring()) {}

HWND Program::Form1() {
    return process_.WaitForWindow((std::wstring(win32::kFormClassPrefix) + L"Form1").c_str());
}

bool Program::AnswerPrompt(const std::wstring& answer) {
    const HWND dialog = process_.WaitForWindow(L"#32770", L"kelvar nook");
    // The dialog is listed before its controls exist; it is shown once they do.
    if (!dialog || !WaitUntil([&] { return IsWindowVisible(dialog) != FALSE; })) return false;
    wchar_t prompt[128] = L"";
    GetWindowTextW(FindWindowExW(dialog, nullptr, L"Static", nullptr), prompt, 128);
    if (std::wstring_view(prompt) != L"input your handle in lowercase letters please") return false;
    SetDlgItemTextW(dialog, win32::kInputBoxEditId, answer.c_str());
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    return true;
}

bool Program::WaitUntilShown() {
    const HWND form = Form1();
    return form && WaitUntil([&] { return IsWindowVisible(form) != FALSE; });
}

void BesideHost::Start(const std::string& story_file, std::string_view exe) {
    test::WriteBytes(dir_.Path("kelvarnook.ini"), StoryFile(story_file));
    program_.emplace(dir_, exe);
    ASSERT_TRUE(program_->WaitUntilShown());
    form1_ = program_->Form1();
    ASSERT_TRUE(host_.WaitFor("post", StoryPost("first_start_idle", "2.51")));
}

std::string StoryFile(const std::string& name) {
    return test::ReadBytes(
        win32::Narrow(WindowsPath(win32::Widen(KN_SOURCE_DIR "/tests/scripts/" + name))));
}

std::string StoryPost(const std::string& story, const std::string& time) {
    std::istringstream record(StoryFile(story + ".expected"));
    const std::string head = time + " post ";
    for (std::string line; std::getline(record, line);) {
        if (line.starts_with(head)) return line.substr(head.size());
    }
    return "";
}

std::string Reworded(const std::string& line, std::string_view was, std::string_view now) {
    return line.ends_with(was) ? line.substr(0, line.size() - was.size()) + std::string(now) : "";
}

std::optional<std::string> Skipped32Bit() {
    const char* why = std::getenv("KN_NO_32BIT");
    if (!why) return std::nullopt;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    if (const char* log = std::getenv("KN_SKIP_LOG"); log && test) {
        std::ofstream(test::FsPath(win32::Narrow(WindowsPath(win32::Widen(log)))), std::ios::app)
            << test->test_suite_name() << '.' << test->name() << '\n';
    }
    return why;
}

const char* HostBesideProgram() {
    return std::getenv("KN_NO_32BIT") ? KN_HOST_EXE : kHost32Exe;
}

bool BringToFront(HWND w) {
    return WaitUntil([w] {
        SetForegroundWindow(w);
        return GetForegroundWindow() == w;
    });
}

HWND Descendant(HWND parent, const std::function<bool(HWND)>& is) {
    struct Query {
        const std::function<bool(HWND)>& is;
        HWND found;
    } q{is, nullptr};
    EnumChildWindows(
        parent,
        [](HWND w, LPARAM lp) -> BOOL {
            auto* q = reinterpret_cast<Query*>(lp);
            if (!q->is(w)) return TRUE;
            q->found = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&q));
    return q.found;
}

HWND ControlOf(HWND form, ControlIndex place) {
    const int id = win32::kFirstControlId + static_cast<int>(place);
    return Descendant(form, [id](HWND w) { return GetDlgCtrlID(w) == id; });
}

std::string ClassOf(HWND w) {
    wchar_t name[64] = L"";
    GetClassNameW(w, name, 64);
    return win32::Narrow(name);
}

std::string SentText(HWND w) {
    wchar_t text[256] = L"";
    SendMessageW(w, WM_GETTEXT, ARRAYSIZE(text), reinterpret_cast<LPARAM>(text));
    return win32::Narrow(text);
}

}  // namespace kn::wintest
