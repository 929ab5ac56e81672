// kn_settings_kill.exe: runs kelvarnook.exe round after round beside the stand-in host, each
// round a burst of owner commands that write the settings file, for check-settings-kill; or,
// with "two-writers", two writer processes (this program again, as kn_writer.exe) writing one
// key each through the program's own store at once, as two programs in two sessions would.
//
// Usage: kn_settings_kill HOST_EXE PROGRAM_EXE DIR ROUNDS [two-writers]   (paths as Unix paths)
// Each round it prints "go R" as the burst's first write begins, reads "kill" or "spare" and,
// after a kill, "killed" or "gone"; then it waits for the writers to end and prints
// "file R whole|torn DETAIL" ("window MS" after a spared round: how long the writes took).
// "torn" is any file but a whole one of values the rounds wrote, an empty one included. It ends
// with "summary rounds=N torn=T before=B amid=A after=F copies=C" (C: rounds that left a copy
// of the file beside it) and fails when T is not 0.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_profile_store.h"
#include "platform/win32/win32_text.h"
#include "tests/win/harness.h"

namespace kn::killtest {
namespace {

using Clock = std::chrono::steady_clock;
using wintest::Process;
using wintest::WaitUntil;

constexpr int kHandlesPerRound = 16;
constexpr int kWritesPerWriter = 40;

// The bytes of a whole file; the rounds never change the colours.
std::string SettingsBytes(const std::string& handle, const std::string& reason) {
    return "[prefs]\r\nHANDLE=" + handle +
           "\r\nCOLOR1=c0c0c0\r\nCOLOR2=99ccff\r\nREASON=" + reason + "\r\n";
}

// The settings a whole file holds.
struct Settings {
    std::string handle, reason;
};

// Whether the host's record holds the post `text` after its first `mark` lines.
bool PostedSince(const wintest::Standin& host, std::size_t mark, const std::string& text) {
    const std::vector<wintest::RecordLine> record = host.Record();
    return std::any_of(record.begin() + static_cast<std::ptrdiff_t>(std::min(mark, record.size())),
                       record.end(), [&](auto& r) { return r.kind == "post" && r.text == text; });
}

// The value a round's kth write of a key gives it: HANDLE's begin with h, REASON's with r.
std::string ValueOf(char key, int round, int k) {
    return key + std::to_string(round) + "x" + std::to_string(k);
}

// The bytes on one line, line ends shown as \r and \n.
std::string Escaped(const std::string& bytes) {
    std::string out;
    for (char c : bytes) out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    return out;
}

struct Tally {
    int rounds = 0, torn = 0, before = 0, amid = 0, after = 0, copies = 0;
};

class Rounds {
  public:
    // `writer` empty: the program's rounds; else two-writers rounds of the writer `writer`.
    Rounds(wintest::Standin& host, std::wstring program, std::wstring writer,
           const std::wstring& dir)
        : host_(host),
          program_(std::move(program)),
          writer_(std::move(writer)),
          dir_(dir),
          settings_(dir + L"\\kelvarnook.ini") {
        test::WriteBytes(win32::Narrow(settings_), SettingsBytes(old_.handle, old_.reason));
    }

    // False when the program, a writer or the host stopped playing along.
    bool Run(int round) { return writer_.empty() ? RunProgram(round) : RunWriters(round); }

    const Tally& tally() const { return tally_; }

  private:
    bool RunProgram(int round) {
        // Each program meets a fresh room: a transcript the host never has to trim keeps the
        // rounds apart and the host quick.
        if (!host_.Send("host room close") || !host_.Send("host room open")) {
            return Say("error the host could not renew its room");
        }
        const std::size_t mark = host_.Record().size();
        Process program(program_, L"", dir_);
        // Its first banner follows its scanner's first look, so the burst is news to it; and
        // it shows that the start read the handle the last round left.
        const std::string banner = wintest::Reworded(banner_, "abc", old_.handle);
        if (!WaitUntil([&] { return PostedSince(host_, mark, banner); })) {
            return Say("error the start did not read HANDLE=" + old_.handle);
        }
        if (!SayBurst(round)) return Say("error the host refused the burst");
        // The kill is aimed from the first write on: the confirmation comes just before it.
        const std::string first = Confirmation(round, 1);
        WaitUntil([&] { return PostedSince(host_, mark, first); });
        const auto go = Clock::now();
        std::printf("go %d\n", round);
        // The last handle's confirmation is posted just before the last write of the burst.
        const std::string last = Confirmation(round, kHandlesPerRound);
        if (!Answered(go, [&] { WaitUntil([&] { return PostedSince(host_, mark, last); }); })) {
            return Say("error no answer");
        }
        if (!program.WaitForExit()) return Say("error the program did not end");
        Judge(round);
        return true;
    }

    // Two writers at once, one key each; a kill ends one of them.
    bool RunWriters(int round) {
        const std::wstring file = L" \"" + settings_ + L"\" ", number = std::to_wstring(round);
        Process handles(writer_, L"--write" + file + L"HANDLE h " + number, dir_);
        Process reasons(writer_, L"--write" + file + L"REASON r " + number, dir_);
        const auto go = Clock::now();
        std::printf("go %d\n", round);
        const auto ended = [&] { return handles.WaitForExit() && reasons.WaitForExit(); };
        if (!Answered(go, [&] { ended(); })) return Say("error no answer");
        if (!ended()) return Say("error a writer did not end");
        Judge(round);
        return true;
    }

    bool SayBurst(int round) {
        if (!host_.Send("owner reason " + ValueOf('r', round, 1))) return false;
        for (int k = 1; k <= kHandlesPerRound; ++k) {
            if (!host_.Send("owner handle " + ValueOf('h', round, k))) return false;
        }
        return host_.Send("owner end");
    }

    // "spare", or "kill" and then "killed" or "gone". A spared round's burst is timed to its
    // end, which `burst_over` waits for.
    bool Answered(Clock::time_point go, const std::function<void()>& burst_over) {
        std::string answer;
        if (!std::getline(std::cin, answer)) return false;
        if (answer != "spare") return static_cast<bool>(std::getline(std::cin, answer));
        burst_over();
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - go);
        std::printf("window %lld\n", static_cast<long long>(ms.count()));
        return true;
    }

    // The whole file the round left: each key with the value it held before or one the round
    // wrote. Nothing when the file is anything else, an empty one included.
    std::optional<Settings> WholeFile(const std::string& bytes, int round) const {
        std::vector<std::string> handles{old_.handle}, reasons{old_.reason};
        for (int k = 1; k <= Writes('h'); ++k) handles.push_back(ValueOf('h', round, k));
        for (int k = 1; k <= Writes('r'); ++k) reasons.push_back(ValueOf('r', round, k));
        for (const std::string& handle : handles) {
            for (const std::string& reason : reasons) {
                if (bytes == SettingsBytes(handle, reason)) return Settings{handle, reason};
            }
        }
        return std::nullopt;
    }

    // How many values of `key` a round writes.
    int Writes(char key) const {
        return !writer_.empty() ? kWritesPerWriter : key == 'h' ? kHandlesPerRound : 1;
    }

    void Judge(int round) {
        ++tally_.rounds;
        WIN32_FIND_DATAW found;
        tally_.copies +=
            win32::OwnedFind(FindFirstFileW((settings_ + L".*.new").c_str(), &found)) ? 1 : 0;
        const std::string bytes = wintest::ReadShared(settings_);
        const std::optional<Settings> now = WholeFile(bytes, round);
        if (!now) {
            ++tally_.torn;
            std::printf("file %d torn: %s\n", round, Escaped(bytes).c_str());
            // The next round starts from a whole file.
            test::WriteBytes(win32::Narrow(settings_), SettingsBytes(old_.handle, old_.reason));
            return;
        }
        ++(now->handle == old_.handle                        ? tally_.before
           : now->handle == ValueOf('h', round, Writes('h')) ? tally_.after
                                                             : tally_.amid);
        std::printf("file %d whole HANDLE=%s REASON=%s\n", round, now->handle.c_str(),
                    now->reason.c_str());
        old_ = *now;
    }

    // A handle's confirmation in the room.
    std::string Confirmation(int round, int k) const {
        return wintest::Reworded(confirmation_, "Bob", ValueOf('h', round, k));
    }

    static bool Say(const std::string& line) {
        std::printf("%s\n", line.c_str());
        return false;
    }

    wintest::Standin& host_;
    std::wstring program_, writer_, dir_, settings_;
    Settings old_{"h0", "r0"};
    // The start's first banner and a handle's confirmation, from the stories' golden records.
    const std::string banner_ = wintest::StoryPost("first_start_idle", "2.00");
    const std::string confirmation_ = wintest::StoryPost("owner_words", "24.00");
    Tally tally_;
};

// One writer of two-writers rounds: KEY's values LETTER ROUND x 1, 2, ..., each its own write.
int Write(const char* file, const char* key, char letter, int round) {
    Win32ProfileStore store;
    for (int k = 1; k <= kWritesPerWriter; ++k) {
        (void)store.WriteString("prefs", key, ValueOf(letter, round, k), file);  // judged later
    }
    return 0;
}

int Drive(const std::string& host_exe, const std::string& program_exe, const std::string& dir,
          int rounds, bool two_writers) {
    const std::wstring win_dir = wintest::WindowsPath(win32::Widen(dir));
    const std::wstring program = win_dir + L"\\kelvarnook.exe";
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring writer = two_writers ? win_dir + L"\\kn_writer.exe" : L"";
    if (!CopyFileW(wintest::WindowsPath(win32::Widen(program_exe)).c_str(), program.c_str(),
                   FALSE) ||
        (two_writers && !CopyFileW(self, writer.c_str(), FALSE))) {
        std::printf("error could not copy the program\n");
        return 2;
    }
    wintest::Standin host(win_dir, L"", host_exe);
    if (!host.frame()) {
        std::printf("error the stand-in host did not start\n");
        return 2;
    }
    Rounds runner(host, program, writer, win_dir);
    for (int round = 1; round <= rounds; ++round) {
        if (!runner.Run(round)) return 2;
    }
    const Tally& t = runner.tally();
    std::printf("summary rounds=%d torn=%d before=%d amid=%d after=%d copies=%d\n", t.rounds,
                t.torn, t.before, t.amid, t.after, t.copies);
    return t.torn == 0 ? 0 : 1;
}

}  // namespace
}  // namespace kn::killtest

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);  // each line must reach the script at once
    if (argc == 6 && std::string_view(argv[1]) == "--write") {
        return kn::killtest::Write(argv[2], argv[3], argv[4][0], std::atoi(argv[5]));
    }
    const bool two_writers = argc == 6 && std::string_view(argv[5]) == "two-writers";
    if (argc != 5 && !two_writers) {
        std::printf("usage: kn_settings_kill HOST_EXE PROGRAM_EXE DIR ROUNDS [two-writers]\n");
        return 2;
    }
    return kn::killtest::Drive(argv[1], argv[2], argv[3], std::atoi(argv[4]), two_writers);
}
