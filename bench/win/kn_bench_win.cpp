// kn_bench_win.exe: the Windows measures under Wine beside the stand-in host. Prints one
// "key value" line per figure. Usage: kn_bench_win HOST_EXE PROGRAM_EXE [IDLE_SECONDS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/win/side_by_side.h"
#include "bridge/chat_scanner.h"
#include "core/program.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_gui_runtime.h"
#include "platform/win32/win32_profile_store.h"
#include "platform/win32/win32_window_system.h"
#include "windows/forms.h"

namespace kn::winbench {
namespace {

constexpr char kSettings[] =
    "[prefs]\r\nHANDLE=abc\r\nCOLOR1=c0c0c0\r\nCOLOR2=99ccff\r\nREASON=gone fishing\r\n";

std::filesystem::path OwnPath() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// A member line that the host stores as `bytes` bytes with its line break.
std::string MemberLine(std::size_t n, std::size_t bytes) {
    char name[16];
    std::snprintf(name, sizeof name, "Member%03zu", n % 1000);
    return "chat " + std::string(name) + ": " + std::string(bytes - 2 - 9 - 2, 'x');
}

void Fill(Standin& host, std::size_t lines, std::size_t line_bytes, int windows) {
    for (int i = 0; i < windows; ++i) host.Send("host window window " + std::to_string(i));
    for (std::size_t i = 0; i < lines; ++i) host.Send(MemberLine(i, line_bytes));
}

void Print(const char* key, double value) {
    std::printf("%s %.6g\n", key, value);
    std::fflush(stdout);
}

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

// As the program's window system sends, so that both sides wait on a host alike.
constexpr UINT kSendFlags = SMTO_ABORTIFHUNG | SMTO_NORMAL;

constexpr std::size_t kIdleLines = 64;
HWND BareChatRoom();

// What an idle poll has to ask of user32, made bare, at the scanner's pace for `ms`: the room
// search, the transcript's length and its first bytes, and the whole text every so many polls.
void BareIdlePolls(DWORD ms) {
    std::vector<char> buffer;
    const DWORD end = GetTickCount() + ms;
    for (int poll = 1; GetTickCount() < end; ++poll) {
        Sleep(ChatScanner::kPollMs);
        const HWND transcript = FindWindowExA(BareChatRoom(), nullptr, "RICHCNTLREADONLY", nullptr);
        DWORD_PTR n = 0, copied = 0;
        SendMessageTimeoutA(transcript, WM_GETTEXTLENGTH, 0, 0, kSendFlags, 5000, &n);
        buffer.resize(poll % ChatScanner::kFullReadEvery ? ChatScanner::kHeadBytes + 1
                                                         : n + ChatScanner::kReadSpare + 1);
        SendMessageTimeoutA(transcript, WM_GETTEXT, buffer.size(),
                            reinterpret_cast<LPARAM>(buffer.data()), kSendFlags, 5000, &copied);
    }
}

// kelvarnook.exe left alone beside a host whose room holds 64 KiB.
void IdleBesideHost(const std::wstring& host_exe, const std::wstring& program_exe,
                    const std::filesystem::path& dir, int seconds) {
    const std::filesystem::path idle_dir = dir / "idle";
    std::filesystem::create_directories(idle_dir);
    std::ofstream(idle_dir / "kelvarnook.ini", std::ios::binary) << kSettings;
    const std::filesystem::path copy = idle_dir / "kelvarnook.exe";
    CopyFileW(program_exe.c_str(), copy.wstring().c_str(), FALSE);
    // The host lays its whole transcript out again for every line, so 64 KiB come in 1 KiB
    // lines: sixteen times fewer layouts than in 64-byte lines, and an idle poll reads no lines.
    Standin host(host_exe, idle_dir.wstring(), kIdleLines);
    if (!host.ready()) return Print("error_host_not_started", 1);
    Fill(host, kIdleLines, 1024, 0);
    const HWND transcript = FindWindowExA(BareChatRoom(), nullptr, "RICHCNTLREADONLY", nullptr);
    // GetWindowTextLength of another process's window gives the title the window manager
    // keeps, not the control's text: the transcript is asked as the program asks it.
    DWORD_PTR length = 0;
    SendMessageTimeoutW(transcript, WM_GETTEXTLENGTH, 0, 0, kSendFlags, 5000, &length);
    Print("idle_transcript_bytes", static_cast<double>(length));
    Process program(copy.wstring(), L"", idle_dir.wstring());
    if (!program.WaitForWindow(L"kelvarnook.Form1")) return Print("error_program_not_started", 1);
    Sleep(3000);  // start-up's announcement and the first full read are not idling
    // Wine keeps no CPU times of other processes; whoever runs this reads them from /proc
    // while the program idles and a process of its own ("--bare-polls") makes the bare polls
    // beside it, started as the program was, so that both are found alike.
    const DWORD ms = static_cast<DWORD>(seconds) * 1000 + 2000;
    Process bare(OwnPath().wstring(), L"--bare-polls " + std::to_wstring(ms), idle_dir.wstring());
    Print("idle_ready", seconds);
    bare.WaitForExit(std::chrono::milliseconds(ms + 10000));
    Print("idle_done", 1);
}

// What handling a member line has to ask of user32, made bare: the room search, the
// transcript's length and text, then the owner test's walk to the welcome window.
HWND BareChatRoom() {
    HWND mdi = FindWindowExA(FindWindowA("AOL Frame25", nullptr), nullptr, "MDIClient", nullptr);
    for (HWND c = FindWindowExA(mdi, nullptr, "AOL Child", nullptr); c;
         c = FindWindowExA(mdi, c, "AOL Child", nullptr)) {
        if (FindWindowExA(c, nullptr, "RICHCNTLREADONLY", nullptr) &&
            FindWindowExA(c, nullptr, "_AOL_Combobox", nullptr) &&
            FindWindowExA(c, nullptr, "_AOL_Icon", nullptr) &&
            FindWindowExA(c, nullptr, "_AOL_Static", nullptr)) {
            return c;
        }
    }
    return nullptr;
}

bool BareOwnerTest(std::vector<char>& buffer) {
    HWND mdi = FindWindowExA(FindWindowA("aol frame25", nullptr), nullptr, "mdiclient", nullptr);
    for (HWND c = FindWindowExA(mdi, nullptr, "aol child", nullptr); c;
         c = FindWindowExA(mdi, c, "aol child", nullptr)) {
        const int n = GetWindowTextLengthA(c);
        buffer.resize(static_cast<std::size_t>(n) + 1);
        GetWindowTextA(c, buffer.data(), n + 1);
        if (std::string_view(buffer.data()).starts_with("Welcome, ")) return true;
    }
    return false;
}

void BareLine(std::vector<char>& buffer) {
    HWND transcript = FindWindowExA(BareChatRoom(), nullptr, "RICHCNTLREADONLY", nullptr);
    DWORD_PTR n = 0, copied = 0;
    SendMessageTimeoutA(transcript, WM_GETTEXTLENGTH, 0, 0, kSendFlags, 5000, &n);
    buffer.resize(n + 1);
    SendMessageTimeoutA(transcript, WM_GETTEXT, buffer.size(),
                        reinterpret_cast<LPARAM>(buffer.data()), kSendFlags, 5000, &copied);
    BareOwnerTest(buffer);
}

// The program's own handling against the bare calls, line by line in turns.
void MemberLineSideBySide(const std::wstring& host_exe, const std::filesystem::path& dir,
                          int windows, int samples, const std::string& prefix) {
    std::ofstream(dir / "kelvarnook.ini", std::ios::binary) << kSettings;
    Standin host(host_exe, dir.wstring(), 16);
    if (!host.ready()) return Print("error_host_not_started", 1);
    Fill(host, 16, 64, windows);
    Win32WindowSystem ws;
    Win32CodePage cp;
    Win32ProfileStore profiles;
    Win32GuiRuntime gui;
    Program program(gui, ws, cp, profiles);
    ChatScanner& scanner = program.form1().VexoScan1();  // start-up runs here
    std::vector<double> ours, bare, owner_test, ours_owner_test;
    int named = 0;  // owner tests that found the welcome window, as they all must
    std::vector<char> buffer;
    // Distinct speakers: a room whose top lines are all alike hides a trim from the scanner
    // until its next full read, and that poll would not be handling the line.
    int said = 0;
    auto say = [&] { host.Send("chat Member" + std::to_string(said++ % 1000) + ": hello there"); };
    auto time_ours = [&] {
        say();
        const double t = Now();
        scanner.Poll();
        ours.push_back(Now() - t);
        const double t2 = Now();
        named += !program.bridge().GetOwnScreenName().empty();
        ours_owner_test.push_back(Now() - t2);
    };
    auto time_bare = [&] {
        say();
        double t = Now();
        BareLine(buffer);
        bare.push_back(Now() - t);
        t = Now();
        BareOwnerTest(buffer);
        owner_test.push_back(Now() - t);
        scanner.Poll();  // takes the line the bare calls read, so the next poll sees one line
    };
    // In turns, each first every other time, so that neither always follows the other.
    for (int i = 0; i < samples; ++i) {
        if (i % 2) {
            time_ours();
            time_bare();
        } else {
            time_bare();
            time_ours();
        }
    }
    Print((prefix + "line_ours_median_us").c_str(), Median(ours) * 1e6);
    Print((prefix + "line_bare_median_us").c_str(), Median(bare) * 1e6);
    Print((prefix + "line_bare_owner_test_median_us").c_str(), Median(owner_test) * 1e6);
    Print((prefix + "line_ours_owner_test_median_us").c_str(), Median(ours_owner_test) * 1e6);
    // Each of ours against the bare line taken next to it: a slow stretch of the machine, which
    // moves either median by several percent, then weighs on both sides of a pair alike.
    std::vector<double> pairs;
    for (std::size_t i = 0; i < ours.size() && i < bare.size(); ++i) {
        if (bare[i] > 0) pairs.push_back(ours[i] / bare[i]);
    }
    Print((prefix + "line_pair_ratio_median").c_str(), Median(pairs));
    Print((prefix + "line_owner_found").c_str(), named);
}

}  // namespace
}  // namespace kn::winbench

int wmain(int argc, wchar_t** argv) {
    using namespace kn::winbench;
    if (argc == 3 && std::wstring_view(argv[1]) == L"--bare-polls") {
        BareIdlePolls(static_cast<DWORD>(_wtoi(argv[2])));
        return 0;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: kn_bench_win HOST_EXE PROGRAM_EXE [IDLE_SECONDS]\n");
        return 2;
    }
    const std::wstring host = kn::wintest::WindowsPath(argv[1]),
                       program = kn::wintest::WindowsPath(argv[2]);
    const int idle_seconds = argc > 3 ? _wtoi(argv[3]) : 30;
    const int samples = argc > 4 ? _wtoi(argv[4]) : 1000;
    const std::filesystem::path dir = OwnPath().parent_path();
    MemberLineSideBySide(host, dir, 20, samples, "");
    // How the same grows with the host's windows, on fewer lines each.
    for (int windows : {1, 10, 100}) {
        MemberLineSideBySide(host, dir, windows, std::max(samples / 5, 1),
                             "w" + std::to_string(windows) + "_");
    }
    if (idle_seconds > 0) IdleBesideHost(host, program, dir, idle_seconds);
    return 0;
}
