// What only the simulator's store promises beyond the shared cases: edits that keep every
// other byte of damaged, huge and LF files, and failed writes that leave the old file whole.
#include "platform/sim/ini_profile_store.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>

#include "tests/shared/profile_conformance.h"

namespace kn::test {
namespace {

using namespace std::string_literals;

class IniStore : public ::testing::Test {
  protected:
    IniProfileStore store_;
    ScratchDir scratch_;
    std::string path_ = scratch_.Path("settings.ini");
};

TEST_F(IniStore, TenMegabytesOfJunkStillFindsTheEntry) {
    std::string junk = Junk(10 << 20, "", 4);
    WriteBytes(path_, junk + "\r\n[prefs]\r\nk=v\r\n");
    EXPECT_EQ(store_.GetString("prefs", "k", "FB", 256, path_), "v");
    ASSERT_TRUE(store_.WriteString("prefs", "NEW", "w", path_));
    EXPECT_EQ(ReadBytes(path_), junk + "\r\n[prefs]\r\nk=v\r\nNEW=w\r\n");
}

// KEY=v written into section prefs of a file holding `before`.
struct Edit {
    const char* name;
    std::string before;
    std::string after;
};

const std::string kJunkLine = Junk(300, "[\r\n", 5);

const Edit kEdits[] = {
    {"LfLinesStayLf", "[a]\nx=1\n[prefs]\ny=2\n", "[a]\nx=1\n[prefs]\ny=2\nKEY=v\r\n"},
    {"ReplacedLineKeepsItsLineEnd", "[prefs]\nKEY=old\ny=2\n", "[prefs]\nKEY=v\ny=2\n"},
    {"LoneCrLinesStay", "[prefs]\ry=2\r", "[prefs]\ry=2\rKEY=v\r\n"},
    {"UnterminatedLfFile", "[prefs]\ny=2", "[prefs]\ny=2\r\nKEY=v\r\n"},
    {"AppendsBeforeTrailingBlankLines", "[prefs]\r\ny=2\r\n\r\n \t\r\n[b]\r\n",
     "[prefs]\r\ny=2\r\nKEY=v\r\n\r\n \t\r\n[b]\r\n"},
    {"BlanksAndIndentsElsewhereStay", "  [a] \r\n\tx = 1 \r\n\r\n[prefs]\r\n",
     "  [a] \r\n\tx = 1 \r\n\r\n[prefs]\r\nKEY=v\r\n"},
    {"ReplacedLineKeepsTheFilesKeyName", "[prefs]\r\n  Key = old  \r\n", "[prefs]\r\nKey=v\r\n"},
    {"ByteOrderMarkStays", "\xEF\xBB\xBF[prefs]\r\nKEY=old\r\n",
     "\xEF\xBB\xBF[prefs]\r\nKEY=v\r\n"},
    {"OnlyAByteOrderMark", "\xEF\xBB\xBF", "\xEF\xBB\xBF[prefs]\r\nKEY=v\r\n"},
    {"JunkAndNulsStay", "\0[prefs]\r\n"s + kJunkLine + "\r\n\0\0\r\n"s,
     "\0[prefs]\r\n"s + kJunkLine + "\r\n\0\0\r\n[prefs]\r\nKEY=v\r\n"s},
};

// The file's mode stays too, though the new bytes go to a new file.
TEST_F(IniStore, EditsKeepEveryOtherByteAndTheMode) {
    for (const Edit& e : kEdits) {
        SCOPED_TRACE(e.name);
        WriteBytes(path_, e.before);
        ASSERT_EQ(::chmod(path_.c_str(), 0640), 0);
        ASSERT_TRUE(store_.WriteString("prefs", "KEY", "v", path_));
        EXPECT_EQ(ReadBytes(path_), e.after);
        struct stat st {};
        EXPECT_EQ(::stat(path_.c_str(), &st) == 0 ? st.st_mode & 07777 : 0u, 0640u);
    }
}

// Runs one write in a child process, after `prepare`, so that dropped privileges and resource
// limits stay there. False only when the write itself reported failure.
bool WriteInChild(const std::string& path, const std::function<void()>& prepare) {
    pid_t pid = ::fork();
    if (pid == 0) {
        prepare();
        IniProfileStore store;
        ::_exit(store.WriteString("prefs", "KEY", "new", path) ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return !(WIFEXITED(status) && WEXITSTATUS(status) == 1);
}

// Root passes every permission check, so permission cases run as nobody.
void DropRoot() {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
}

// Each way a write can fail leaves the old file whole and nothing beside it.
TEST_F(IniStore, FailedWritesLeaveTheOldFileWhole) {
    struct Failure {
        const char* name;
        mode_t dir_mode;
        mode_t file_mode;
        std::function<void()> prepare;
    };
    const Failure kFailures[] = {
        {"read-only directory", 0555, 0644, DropRoot},
        {"read-only directory, writable file", 0555, 0666, DropRoot},
        {"read-only file", 0777, 0444, DropRoot},
        {"disk full", 0755, 0644,
         [] {
             std::signal(SIGXFSZ, SIG_IGN);
             rlimit limit{4096, 4096};
             if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(2);
         }},
    };
    const std::string old = "[prefs]\r\nKEY=old\r\n" + std::string(100000, 'x') + "=1\r\n";
    for (const Failure& f : kFailures) {
        SCOPED_TRACE(f.name);
        (void)::chmod(path_.c_str(), 0644);  // the last case may have left it read-only
        WriteBytes(path_, old);
        ASSERT_EQ(::chmod(path_.c_str(), f.file_mode), 0);
        ASSERT_EQ(::chmod(scratch_.dir().c_str(), f.dir_mode), 0);
        const bool written = WriteInChild(path_, f.prepare);
        ::chmod(scratch_.dir().c_str(), 0755);
        EXPECT_FALSE(written);
        EXPECT_EQ(ReadBytes(path_), old);
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(scratch_.dir())) {
            names.push_back(entry.path().filename().string());
        }
        EXPECT_EQ(names, std::vector<std::string>{"settings.ini"});
    }
}

}  // namespace
}  // namespace kn::test
