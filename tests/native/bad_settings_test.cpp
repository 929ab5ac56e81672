// Damaged settings files: the program still starts, takes what it can read, leaves empty what
// it can't, and stores the owner's changes so that the next start reads them.
#include <gtest/gtest.h>

#include <random>

#include "tests/native/sim_run.h"

namespace kn::test {
namespace {

using namespace std::string_literals;

// Seeded bytes of every value; no "[prefs]" header can come of them by chance.
std::string Noise(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string out(size, '\0');
    for (char& c : out) c = static_cast<char>(random());
    return out;
}

struct BadFile {
    const char* name;
    std::string bytes;
    bool asks;  // the handle prompt comes after the loaded line, answered "zed"
    std::vector<std::string> state;  // Form1.Text1, Form1.Label5, Form2.Text1, Form2.Text2
};

void PrintTo(const BadFile& c, std::ostream* os) {
    *os << c.name;
}

class BadFiles : public testing::TestWithParam<BadFile> {};

TEST_P(BadFiles, StillStartAndLeaveAFileTheNextStartReads) {
    const BadFile& c = GetParam();
    TempDir dir;
    dir.Write("kelvarnook.ini", c.bytes);
    const SimRun run = RunScript(dir, c.asks ? "@1 answer zed\n@2 dump\n" : "@2 dump\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    std::vector<std::string> prompts;
    for (const std::string& line : Lines(run, "prompt")) prompts.push_back(line.substr(0, 4));
    EXPECT_EQ(prompts, c.asks ? std::vector<std::string>{"0.51"} : std::vector<std::string>{});
    EXPECT_EQ(Texts(run, "window"), std::vector<std::string>{"Form1 shown"});
    const std::vector<std::string> state = Texts(run, "state");
    ASSERT_EQ(state.size(), 12u);
    EXPECT_EQ((std::vector<std::string>{state[0], state[1], state[6], state[7]}), c.state);

    const SimRun next = RunScript(dir, "@1 dump\n");
    EXPECT_EQ(Lines(next, "prompt").size(), 0u);
    ASSERT_EQ(Texts(next, "state").size(), 12u);
    EXPECT_EQ(Texts(next, "state")[1], state[1]);
}

const std::vector<std::string> kNothingRead = {"Form1.Text1=", "Form1.Label5=zed",
                                               "Form2.Text1=", "Form2.Text2="};
const std::vector<std::string> kAllRead = {"Form1.Text1=tea", "Form1.Label5=abc",
                                           "Form2.Text1=112233", "Form2.Text2=445566"};

INSTANTIATE_TEST_SUITE_P(
    Settings, BadFiles,
    testing::Values(
        BadFile{"binary_noise", Noise(64 << 10, 1), true, kNothingRead},
        BadFile{"empty_file", "", true, kNothingRead},
        BadFile{"only_the_section", "[prefs]\r\n", true, kNothingRead},
        BadFile{"other_section_only", "[other]\r\nHANDLE=abc\r\nREASON=tea\r\n", true,
                kNothingRead},
        BadFile{"utf8_byte_order_mark",
                "\xEF\xBB\xBF[prefs]\r\nHANDLE=abc\r\nREASON=tea\r\nCOLOR1=112233\r\n"
                "COLOR2=445566\r\n",
                false, kAllRead},
        BadFile{"line_feeds_only",
                "[prefs]\nHANDLE=abc\nCOLOR1=112233\nCOLOR2=445566\nREASON=tea\n", false, kAllRead},
        BadFile{"carriage_returns_only",
                "[prefs]\rHANDLE=abc\rCOLOR1=112233\rCOLOR2=445566\rREASON=tea\r", false, kAllRead},
        BadFile{"no_line_end_at_the_end",
                "[prefs]\r\nREASON=tea\r\nHANDLE=abc",
                false,
                {"Form1.Text1=tea", "Form1.Label5=abc", "Form2.Text1=", "Form2.Text2="}},
        BadFile{"nul_bytes_cut_values",
                "\0\0[x]\0\r\n[prefs]\r\nHANDLE=ab\0c\r\nREASON=\0tea\r\nCOLOR1=11\0\r\n"s,
                false,
                {"Form1.Text1=", "Form1.Label5=ab", "Form2.Text1=11", "Form2.Text2="}},
        BadFile{"nul_handle_is_empty",
                "[prefs]\r\nHANDLE=\0abc\r\nREASON=tea\r\n"s,
                true,
                {"Form1.Text1=tea", "Form1.Label5=zed", "Form2.Text1=", "Form2.Text2="}},
        BadFile{"blanks_and_quotes_around_values",
                "[prefs]\r\n  HANDLE = \"abc\" \r\nREASON=  tea  \r\n",
                false,
                {"Form1.Text1=tea", "Form1.Label5=abc", "Form2.Text1=", "Form2.Text2="}},
        BadFile{"first_of_two_sections",
                "[prefs]\r\nHANDLE=abc\r\n[prefs]\r\nHANDLE=evil\r\nREASON=tea\r\n",
                false,
                {"Form1.Text1=", "Form1.Label5=abc", "Form2.Text1=", "Form2.Text2="}}),
    [](const auto& info) { return std::string(info.param.name); });

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
    TempDir dir;
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
    // bytes (for the 10 MB file: ten megabytes of them).
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
    {"ten_megabytes", Noise(10 << 20, 2) + "\r\n[prefs]\r\nHANDLE=abc\r\nREASON=away\r\n", "abc",
     "away"},
    {"lf_and_cr_lf_mixed", "[prefs]\nHANDLE=abc\r\nREASON=away\nCOLOR1=ff0000\r\n", "abc", "away"},
    {"nul_bytes", "[prefs]\r\nHANDLE=ab\0c\r\n\0\0\r\nREASON=away\0\r\n\0"s, "ab", "away"},
};

INSTANTIATE_TEST_SUITE_P(Settings, DamagedSettings, testing::ValuesIn(kDamagedSettings),
                         [](const auto& info) { return std::string(info.param.name); });

// Nothing can be read or written: a first start every time, and the program runs all the same.
TEST(BadSettings, DirectoryInPlaceOfTheFile) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "kelvarnook.ini");
    for (int start = 0; start < 2; ++start) {
        const SimRun run = RunScript(dir, "@1 answer zed\n@2 dump\n");
        ASSERT_EQ(run.status, 0) << run.errors;
        EXPECT_EQ(Lines(run, "prompt").size(), 1u);
        EXPECT_EQ(Lines(run, "prompt").at(0).substr(0, 5), "0.00 ");
        ASSERT_EQ(Texts(run, "state").size(), 12u);
        EXPECT_EQ(Texts(run, "state")[1], "Form1.Label5=zed");
        EXPECT_EQ(Texts(run, "state")[6], "Form2.Text1=c0c0c0");
    }
}

}  // namespace
}  // namespace kn::test
