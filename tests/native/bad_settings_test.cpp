// Damaged settings files through two starts: the owner's changes are stored where the next
// start reads them, and the damage around them stays. How each damage reads is the store's
// test; what one start shows of it is a story script.
#include <gtest/gtest.h>

#include "tests/native/sim_run.h"

namespace kn::test {
namespace {

using namespace std::string_literals;

struct DamagedFile {
    const char* name;
    std::string bytes;
    std::string handle, reason;  // as read at start; an empty handle is asked for
};

void PrintTo(const DamagedFile& c, std::ostream* os) {
    *os << c.name;
}

class DamagedSettings : public testing::TestWithParam<DamagedFile> {};

// Whatever the file holds, the owner's changes are stored, read back at the next start, and
// the rest of the file keeps its bytes.
TEST_P(DamagedSettings, StoreTheOwnersChangesAndKeepTheRest) {
    const DamagedFile& c = GetParam();
    ScratchDir dir;
    dir.Write("kelvarnook.ini", c.bytes);
    const std::string ask = c.handle.empty() ? "@0.6 answer zed\n" : "";
    const SimRun first = RunScript(dir, ask +
                                            "@1 dump\n@2 owner handle Bob\n@3 owner reason gone\n"
                                            "@4 owner end\n");
    ASSERT_EQ(first.status, 0) << first.errors;
    const std::vector<std::string> at_start = Texts(first, "state");
    ASSERT_EQ(at_start.size(), 12u);
    EXPECT_EQ(at_start[0], "Form1.Text1=" + c.reason);
    EXPECT_EQ(at_start[1], "Form1.Label5=" + (c.handle.empty() ? "zed" : c.handle));

    const std::string after = dir.Read("kelvarnook.ini");
    // Only whole entries change, so the file's first line break still comes after the same
    // bytes.
    const std::size_t head = std::min(c.bytes.find_first_of("\r\n"), c.bytes.size());
    EXPECT_EQ(after.compare(0, head, c.bytes, 0, head), 0);
    EXPECT_GE(after.size() + 64, c.bytes.size());

    const SimRun second = RunScript(dir, "@1 dump\n");
    EXPECT_EQ(Lines(second, "prompt").size(), 0u);
    const std::vector<std::string> again = Texts(second, "state");
    ASSERT_EQ(again.size(), 12u);
    EXPECT_EQ(again[0], "Form1.Text1=gone");
    EXPECT_EQ(again[1], "Form1.Label5=Bob");
}

const DamagedFile kDamagedSettings[] = {
    {"garbage_text", "this is not a settings file\r\n=\r\n[[[\r\nreason gone\r\n", "", ""},
    {"lf_and_cr_lf_mixed", "[prefs]\nHANDLE=abc\r\nREASON=away\nCOLOR1=ff0000\r\n", "abc", "away"},
    {"nul_bytes", "[prefs]\r\nHANDLE=ab\0c\r\n\0\0\r\nREASON=away\0\r\n\0"s, "ab", "away"},
};

INSTANTIATE_TEST_SUITE_P(Settings, DamagedSettings, testing::ValuesIn(kDamagedSettings),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kn::test
