// kn_settings_kill.exe: runs kelvarnook.exe round after round beside the stand-in host, each
// round a burst of owner commands that write the settings file, for check-settings-kill.
//
// Usage: kn_settings_kill HOST_EXE PROGRAM_EXE DIR ROUNDS   (paths as Unix paths)
//        kn_settings_kill --self-check
// Each round it prints "go R" as the burst's first write begins, reads "kill" or "spare" and,
// after a kill, "killed" or "gone"; then it waits for the program to end and prints
// "file R whole|cut|torn DETAIL" ("window MS" after a spared round: how long the writes took).
// "cut" is a file that stops short of a whole one, as a writer killed mid-write leaves it;
// "torn" is damage no interrupted write explains. It ends with
// "summary rounds=N cut=C torn=T before=B amid=A after=F" and fails when T is not 0.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "host/win32/standin_ids.h"
#include "tests/win/expected_lines.h"
#include "tests/win/settings_kill/settings_check.h"

namespace kn::killtest {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto kPatience = 15s;
constexpr int kHandlesPerRound = 16;
std::wstring Wide(std::string_view s) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring out(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), out.data(), n);
    return out;
}

// Under Wine the Unix paths are reached through drive Z:.
std::wstring WindowsPath(std::string_view unix_path) {
    std::wstring out = L"Z:" + Wide(unix_path);
    for (wchar_t& c : out) {
        if (c == L'/') c = L'\\';
    }
    return out;
}

bool WaitUntil(const auto& done) {
    const auto deadline = Clock::now() + kPatience;
    while (!done()) {
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

// The file's bytes from `offset` on; the host may be writing it meanwhile.
std::string ReadShared(const std::wstring& path, long long offset = 0) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    LARGE_INTEGER at{};
    at.QuadPart = offset;
    std::string bytes;
    if (SetFilePointerEx(h, at, nullptr, FILE_BEGIN)) {
        char chunk[4096];
        DWORD n = 0;
        while (ReadFile(h, chunk, sizeof chunk, &n, nullptr) && n > 0) bytes.append(chunk, n);
    }
    CloseHandle(h);
    return bytes;
}

void WriteWhole(const std::wstring& path, const std::string& bytes) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
}

HANDLE Start(const std::wstring& exe, const std::wstring& arguments, const std::wstring& dir) {
    std::wstring command = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        dir.c_str(), &startup, &info)) {
        return nullptr;
    }
    CloseHandle(info.hThread);
    return info.hProcess;
}

HWND WindowOf(HANDLE process, const wchar_t* cls) {
    struct Query {
        DWORD pid;
        const wchar_t* cls;
        HWND found;
    } q{GetProcessId(process), cls, nullptr};
    WaitUntil([&] {
        EnumWindows(
            [](HWND w, LPARAM lp) -> BOOL {
                auto* q = reinterpret_cast<Query*>(lp);
                DWORD owner = 0;
                wchar_t name[64];
                GetWindowThreadProcessId(w, &owner);
                if (owner != q->pid || !GetClassNameW(w, name, 64) || lstrcmpW(name, q->cls)) {
                    return TRUE;
                }
                q->found = w;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&q));
        return q.found != nullptr;
    });
    return q.found;
}

// The stand-in host, its control window and its record.
class Host {
  public:
    Host(const std::wstring& exe, const std::wstring& dir)
        : record_(dir + L"\\record.txt"),
          process_(Start(exe, L"--record \"" + record_ + L"\"", dir)),
          control_(process_ ? WindowOf(process_, standin::kControlClass) : nullptr) {}
    ~Host() {
        if (!process_) return;
        TerminateProcess(process_, 0);
        WaitForSingleObject(process_, INFINITE);
        CloseHandle(process_);
    }
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    bool Ready() const { return control_ != nullptr; }

    bool Send(const std::string& line) {
        COPYDATASTRUCT data{standin::kControlTag, static_cast<DWORD>(line.size()),
                            const_cast<char*>(line.data())};
        DWORD_PTR done = FALSE;
        SendMessageTimeoutW(control_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                            SMTO_ABORTIFHUNG, 5000, &done);
        return done == TRUE;
    }

    // Where the record ends now.
    long long Mark() const { return static_cast<long long>(ReadShared(record_).size()); }

    // Whether the record holds "post TEXT" after `mark`.
    bool PostedSince(long long mark, const std::string& text) const {
        return ReadShared(record_, mark).find(" post " + text + "\n") != std::string::npos;
    }

  private:
    std::wstring record_;
    HANDLE process_;
    HWND control_;
};

std::string HandleOf(int round, int k) {
    return "h" + std::to_string(round) + "x" + std::to_string(k);
}

std::string Confirmation(int round, int k) {
    return wintest::kHead2 + "> handle changed to <font color=#c0c0c0>" + HandleOf(round, k);
}

std::string ReasonOf(int round) {
    return "r" + std::to_string(round);
}

// The bytes on one line, line ends shown as \r and \n.
std::string Escaped(const std::string& bytes) {
    std::string out;
    for (char c : bytes) {
        out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    }
    return out;
}

struct Tally {
    int rounds = 0, cut = 0, torn = 0, before = 0, amid = 0, after = 0;
};

class Rounds {
  public:
    Rounds(Host& host, std::wstring program, std::wstring dir)
        : host_(host),
          program_(std::move(program)),
          dir_(std::move(dir)),
          settings_(dir_ + L"\\kelvarnook.ini") {
        old_ = {{"HANDLE", "h0"}, {"COLOR1", "c0c0c0"}, {"COLOR2", "99ccff"}, {"REASON", "r0"}};
        WriteWhole(settings_, SettingsBytes(old_));
    }

    // False when the program or the host stopped playing along.
    bool Run(int round) {
        // Each program meets a fresh room: a transcript the host never has to trim keeps the
        // rounds apart and the host quick.
        if (!host_.Send("host room close") || !host_.Send("host room open")) {
            return Say("error the host could not renew its room");
        }
        const long long mark = host_.Mark();
        HANDLE program = Start(program_, L"", dir_);
        if (!program) return Say("error could not start the program");
        // Its first banner follows its scanner's first look, so the burst is news to it; and
        // it shows that the start read the handle the last round left.
        const std::string banner = wintest::UserBanner(old_["HANDLE"]);
        if (!WaitUntil([&] { return host_.PostedSince(mark, banner); })) {
            return Stop(program, "error the start did not read HANDLE=" + old_["HANDLE"]);
        }
        if (!SayBurst(round)) return Stop(program, "error the host refused the burst");
        // The kill is aimed from the first write on: the confirmation comes just before it.
        WaitUntil([&] { return host_.PostedSince(mark, Confirmation(round, 1)); });
        const auto go = Clock::now();
        std::printf("go %d\n", round);
        if (!Answered(round, go, mark)) return Stop(program, "error no answer");
        const bool ended = WaitForSingleObject(program, 15000) == WAIT_OBJECT_0;
        CloseHandle(program);
        if (!ended) return Say("error the program did not end");
        Judge(round);
        return true;
    }

    const Tally& tally() const { return tally_; }

  private:
    bool SayBurst(int round) {
        if (!host_.Send("owner reason " + ReasonOf(round))) return false;
        for (int k = 1; k <= kHandlesPerRound; ++k) {
            if (!host_.Send("owner handle " + HandleOf(round, k))) return false;
        }
        return host_.Send("owner end");
    }

    // "spare", or "kill" and then "killed" or "gone".
    bool Answered(int round, Clock::time_point go, long long mark) {
        std::string answer;
        if (!std::getline(std::cin, answer)) return false;
        if (answer == "spare") {
            ReportWindow(round, go, mark);
            return true;
        }
        return static_cast<bool>(std::getline(std::cin, answer));
    }

    // The last handle's confirmation is posted just before the last write of the burst.
    void ReportWindow(int round, Clock::time_point go, long long mark) {
        const std::string last = Confirmation(round, kHandlesPerRound);
        WaitUntil([&] { return host_.PostedSince(mark, last); });
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - go);
        std::printf("window %lld\n", static_cast<long long>(ms.count()));
    }

    Allowed AllowedIn(int round) {
        Allowed allowed;
        for (const auto& [key, value] : old_) allowed[key].insert(value);
        allowed["REASON"].insert(ReasonOf(round));
        for (int k = 1; k <= kHandlesPerRound; ++k) allowed["HANDLE"].insert(HandleOf(round, k));
        return allowed;
    }

    void Judge(int round) {
        ++tally_.rounds;
        const std::string bytes = ReadShared(settings_);
        const Allowed allowed = AllowedIn(round);
        std::string why;
        const std::optional<Values> now = ParseSettings(bytes, &why);
        if (now) why = Disallowed(*now, allowed);
        if (!now || !why.empty()) {
            const bool cut = CutShort(bytes, allowed);
            ++(cut ? tally_.cut : tally_.torn);
            std::printf("file %d %s %s: %s\n", round, cut ? "cut" : "torn", why.c_str(),
                        Escaped(bytes).c_str());
            WriteWhole(settings_, SettingsBytes(old_));  // the next round starts from a whole file
            return;
        }
        const std::string& handle = now->at("HANDLE");
        ++Where(round, handle);
        std::printf("file %d whole HANDLE=%s REASON=%s\n", round, handle.c_str(),
                    now->at("REASON").c_str());
        old_ = *now;
    }

    // Where in the burst the round ended, by the handle the file kept.
    int& Where(int round, const std::string& handle) {
        if (handle == old_["HANDLE"]) return tally_.before;
        return handle == HandleOf(round, kHandlesPerRound) ? tally_.after : tally_.amid;
    }

    bool Say(const std::string& line) {
        std::printf("%s\n", line.c_str());
        return false;
    }

    bool Stop(HANDLE program, const std::string& line) {
        TerminateProcess(program, 1);
        WaitForSingleObject(program, INFINITE);
        CloseHandle(program);
        return Say(line);
    }

    Host& host_;
    std::wstring program_, dir_, settings_;
    Values old_;
    Tally tally_;
};

int Drive(const std::string& host_exe, const std::string& program_exe, const std::string& dir,
          int rounds) {
    const std::wstring win_dir = WindowsPath(dir);
    const std::wstring program = win_dir + L"\\kelvarnook.exe";
    if (!CopyFileW(WindowsPath(program_exe).c_str(), program.c_str(), FALSE)) {
        std::printf("error could not copy the program\n");
        return 2;
    }
    Host host(WindowsPath(host_exe), win_dir);
    if (!host.Ready()) {
        std::printf("error the stand-in host did not start\n");
        return 2;
    }
    Rounds runner(host, program, win_dir);
    for (int round = 1; round <= rounds; ++round) {
        if (!runner.Run(round)) return 2;
    }
    const Tally& t = runner.tally();
    std::printf("summary rounds=%d cut=%d torn=%d before=%d amid=%d after=%d\n", t.rounds, t.cut,
                t.torn, t.before, t.amid, t.after);
    return t.torn == 0 ? 0 : 1;
}

}  // namespace
}  // namespace kn::killtest

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);  // each line must reach the script at once
    if (argc == 2 && std::string_view(argv[1]) == "--self-check") {
        const std::string wrong = kn::killtest::SelfCheck();
        std::printf("%s\n", wrong.empty() ? "self-check passed" : ("misjudged: " + wrong).c_str());
        return wrong.empty() ? 0 : 1;
    }
    if (argc != 5) {
        std::printf("usage: kn_settings_kill HOST_EXE PROGRAM_EXE DIR ROUNDS\n");
        return 2;
    }
    return kn::killtest::Drive(argv[1], argv[2], argv[3], std::atoi(argv[4]));
}
