// kn_settings_kill.exe: runs kelvarnook.exe round after round beside the stand-in host, each
// round a burst of owner commands that write the settings file, for check-settings-kill.
//
// Usage: kn_settings_kill HOST_EXE PROGRAM_EXE DIR ROUNDS   (paths as Unix paths)
//        kn_settings_kill --self-check
// Each round it prints "go R" as the burst's first write begins, reads "kill" or "spare" and,
// after a kill, "killed" or "gone"; then it waits for the program to end and prints
// "file R whole|torn DETAIL" ("window MS" after a spared round: how long the writes took).
// "torn" is any file but a whole one of values the rounds wrote, an empty one included. It ends
// with "summary rounds=N torn=T before=B amid=A after=F copies=C" (C: rounds that left a copy
// of the file beside it) and fails when T is not 0.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "host/win32/standin_ids.h"
#include "platform/win32/win32_text.h"
#include "tests/win/expected_lines.h"
#include "tests/win/shared/processes.h"

namespace kn::killtest {
namespace {

using Clock = std::chrono::steady_clock;
using wintest::Process;
using wintest::WaitUntil;

constexpr int kHandlesPerRound = 16;

// Key (upper case, as the program writes it) to value, and to every value it may hold.
using Values = std::map<std::string, std::string>;
using Allowed = std::map<std::string, std::set<std::string>>;

// The four keys the program writes, in the order they stand in the file.
constexpr std::string_view kKeys[] = {"HANDLE", "COLOR1", "COLOR2", "REASON"};

// The bytes of a whole file holding `values`.
std::string SettingsBytes(const Values& values) {
    std::string bytes = "[prefs]\r\n";
    for (std::string_view key : kKeys) {
        const auto it = values.find(std::string(key));
        if (it != values.end()) bytes += it->first + "=" + it->second + "\r\n";
    }
    return bytes;
}

// The values of a whole file: "[prefs]" and each of the four keys once, every line ended by
// CR LF. A file that a kernel32 profile reader would still take, but with a line cut short, a
// key lost or doubled or a stray line, is torn (nothing) all the same.
std::optional<Values> ParseSettings(std::string_view bytes) {
    constexpr std::string_view kHeader = "[prefs]\r\n";
    if (!bytes.starts_with(kHeader)) return std::nullopt;
    Values values;
    for (std::size_t at = kHeader.size(); at < bytes.size();) {
        const std::size_t eq = bytes.find('=', at), end = bytes.find("\r\n", at);
        if (end == std::string_view::npos || eq > end) return std::nullopt;
        values[std::string(bytes.substr(at, eq - at))] = bytes.substr(eq + 1, end - eq - 1);
        at = end + 2;
    }
    if (values.size() != std::size(kKeys) || SettingsBytes(values) != bytes) return std::nullopt;
    return values;
}

// Empty when each key of `values` holds one of its allowed values; otherwise what does not.
std::string Disallowed(const Values& values, const Allowed& allowed) {
    for (const auto& [key, value] : values) {
        const auto it = allowed.find(key);
        if (it == allowed.end() || !it->second.count(value)) return key + "=" + value;
    }
    return {};
}

// The checks above against files torn in each way: empty when all were judged right,
// otherwise the first case judged wrong.
std::string SelfCheck() {
    const Values old{
        {"HANDLE", "h1"}, {"COLOR1", "c0c0c0"}, {"COLOR2", "99ccff"}, {"REASON", "r1"}};
    const std::string whole = SettingsBytes(old);
    const std::pair<const char*, std::string> torn[] = {
        {"empty", ""},
        {"header only", "[prefs]\r\n"},
        {"cut inside a value", whole.substr(0, whole.find("99cc") + 4)},
        {"cut before the last line end", whole.substr(0, whole.size() - 1)},
        {"a key lost", "[prefs]\r\nHANDLE=h1\r\nCOLOR1=c0c0c0\r\nREASON=r1\r\n"},
        {"a key twice", whole + "HANDLE=h2\r\n"},
        {"a stray line", whole + "COLOR\r\n"},
        {"no section", whole.substr(9)},
    };
    if (ParseSettings(whole) != old) return "whole";
    for (const auto& [name, bytes] : torn) {
        if (ParseSettings(bytes)) return name;
    }
    const Allowed allowed{{"HANDLE", {"h1", "h2"}},
                          {"COLOR1", {"c0c0c0"}},
                          {"COLOR2", {"99ccff"}},
                          {"REASON", {"r1"}}};
    if (!Disallowed(old, allowed).empty()) return "old values refused";
    Values other = old;
    other["REASON"] = "r";  // a value cut short still parses: only the allowed set catches it
    if (Disallowed(other, allowed) != "REASON=r") return "a value cut short allowed";
    return {};
}

// The file's bytes; another process may be writing it meanwhile.
std::string ReadShared(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char chunk[4096];
    DWORD n = 0;
    while (ReadFile(h, chunk, sizeof chunk, &n, nullptr) && n > 0) bytes.append(chunk, n);
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

// The stand-in host, its control window and its record.
class Host {
  public:
    Host(const std::wstring& exe, const std::wstring& dir)
        : record_(dir + L"\\record.txt"),
          process_(exe, L"--record \"" + record_ + L"\"", dir),
          control_(process_.WaitForWindow(standin::kControlClass)) {}

    bool Ready() const { return control_ != nullptr; }
    bool Send(const std::string& line) { return wintest::SendControlLine(control_, line); }
    // Where the record ends now.
    std::size_t Mark() const { return ReadShared(record_).size(); }
    // Whether the record holds "post TEXT" after `mark`.
    bool PostedSince(std::size_t mark, const std::string& text) const {
        return ReadShared(record_).find(" post " + text + "\n", mark) != std::string::npos;
    }

  private:
    std::wstring record_;
    Process process_;
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
    for (char c : bytes) out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    return out;
}

struct Tally {
    int rounds = 0, torn = 0, before = 0, amid = 0, after = 0, copies = 0;
};

class Rounds {
  public:
    Rounds(Host& host, std::wstring program, const std::wstring& dir)
        : host_(host),
          program_(std::move(program)),
          dir_(dir),
          settings_(dir + L"\\kelvarnook.ini") {
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
        const std::size_t mark = host_.Mark();
        Process program(program_, L"", dir_);
        // Its first banner follows its scanner's first look, so the burst is news to it; and
        // it shows that the start read the handle the last round left.
        if (!WaitUntil(
                [&] { return host_.PostedSince(mark, wintest::UserBanner(old_["HANDLE"])); })) {
            return Say("error the start did not read HANDLE=" + old_["HANDLE"]);
        }
        if (!SayBurst(round)) return Say("error the host refused the burst");
        // The kill is aimed from the first write on: the confirmation comes just before it.
        WaitUntil([&] { return host_.PostedSince(mark, Confirmation(round, 1)); });
        const auto go = Clock::now();
        std::printf("go %d\n", round);
        if (!Answered(round, go, mark)) return Say("error no answer");
        if (!program.WaitForExit()) return Say("error the program did not end");
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
    bool Answered(int round, Clock::time_point go, std::size_t mark) {
        std::string answer;
        if (!std::getline(std::cin, answer)) return false;
        if (answer != "spare") return static_cast<bool>(std::getline(std::cin, answer));
        // The last handle's confirmation is posted just before the last write of the burst.
        WaitUntil([&] { return host_.PostedSince(mark, Confirmation(round, kHandlesPerRound)); });
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - go);
        std::printf("window %lld\n", static_cast<long long>(ms.count()));
        return true;
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
        if (GetFileAttributesW((settings_ + L".new").c_str()) != INVALID_FILE_ATTRIBUTES) {
            ++tally_.copies;
        }
        const std::string bytes = ReadShared(settings_);
        const std::optional<Values> now = ParseSettings(bytes);
        const std::string why = now ? Disallowed(*now, AllowedIn(round)) : "not a whole file";
        if (!why.empty()) {
            ++tally_.torn;
            std::printf("file %d torn %s: %s\n", round, why.c_str(), Escaped(bytes).c_str());
            WriteWhole(settings_, SettingsBytes(old_));  // the next round starts from a whole file
            return;
        }
        const std::string& handle = now->at("HANDLE");
        ++(handle == old_["HANDLE"]                      ? tally_.before
           : handle == HandleOf(round, kHandlesPerRound) ? tally_.after
                                                         : tally_.amid);
        std::printf("file %d whole HANDLE=%s REASON=%s\n", round, handle.c_str(),
                    now->at("REASON").c_str());
        old_ = *now;
    }

    static bool Say(const std::string& line) {
        std::printf("%s\n", line.c_str());
        return false;
    }

    Host& host_;
    std::wstring program_, dir_, settings_;
    Values old_;
    Tally tally_;
};

int Drive(const std::string& host_exe, const std::string& program_exe, const std::string& dir,
          int rounds) {
    const std::wstring win_dir = wintest::WindowsPath(win32::Widen(dir));
    const std::wstring program = win_dir + L"\\kelvarnook.exe";
    if (!CopyFileW(wintest::WindowsPath(win32::Widen(program_exe)).c_str(), program.c_str(),
                   FALSE)) {
        std::printf("error could not copy the program\n");
        return 2;
    }
    Host host(wintest::WindowsPath(win32::Widen(host_exe)), win_dir);
    if (!host.Ready()) {
        std::printf("error the stand-in host did not start\n");
        return 2;
    }
    Rounds runner(host, program, win_dir);
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
