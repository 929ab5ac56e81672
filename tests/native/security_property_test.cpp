// Nobody but the owner steers the program: thousands of seeded random lines under names
// that only look like the owner's run no command, post nothing and change nothing.
#include <gtest/gtest.h>

#include <map>

#include "platform/sim/record.h"
#include "tests/native/lookalike_lines.h"
#include "tests/native/sim_run.h"

namespace kn::test {
namespace {

struct Owner {
    const char* name;
    std::string screen_name;
    unsigned seed;
};

void PrintTo(const Owner& c, std::ostream* os) {
    *os << c.name;
}

class Lookalikes : public testing::TestWithParam<Owner> {};

constexpr int kCases = 1500;
constexpr int kCheckEvery = 250;  // the owner's own "reason?" shows the program still listens

TEST_P(Lookalikes, NeitherRunCommandsNorChangeAnything) {
    const Owner& c = GetParam();
    const std::string settings = SettingsAfterFirstStart("abc");
    ScratchDir dir;
    dir.Write("kelvarnook.ini", settings);
    LookalikeLines lines(c.seed);
    std::map<std::string, std::string> said_at;  // record time -> the chat line, for failures
    std::string script = "@1 dump\n@2 owner reason?\n";
    for (int i = 1; i <= kCases; ++i) {
        const std::string line = lines.Name(c.screen_name) + ": " + lines.Text();
        script += "+0.01 chat " + line + "\n";
        said_at[sim::Record::FormatTime(sim::ToMicros(2) + i * sim::ToMicros(0.01))] = line;
        if (i % kCheckEvery == 0) script += "+0 owner reason?\n";
    }
    script += "+1 dump\n";
    const SimRun run = RunScript(dir, script, c.screen_name);
    ASSERT_EQ(run.status, 0) << run.errors;

    std::vector<std::string> posts = Lines(run, "post");
    ASSERT_GE(posts.size(), 2u);
    posts.erase(posts.begin(), posts.begin() + 2);  // the start-up banners
    for (const std::string& post : posts) {
        const std::string at = post.substr(0, post.find(' '));
        EXPECT_EQ(post.substr(at.size()), " post " + kHead2 + "> no idle reason set")
            << "after: chat " << said_at[at];
    }
    EXPECT_EQ(posts.size(), 1u + kCases / kCheckEvery);
    for (const char* kind : {"keyword", "prompt", "exit"}) EXPECT_EQ(Lines(run, kind).size(), 0u);
    EXPECT_EQ(Texts(run, "window"), std::vector<std::string>{"Form1 shown"});
    const std::vector<std::string> state = Texts(run, "state");
    ASSERT_EQ(state.size(), 24u);
    EXPECT_EQ(std::vector<std::string>(state.begin(), state.begin() + 12),
              std::vector<std::string>(state.begin() + 12, state.end()));
    EXPECT_EQ(dir.Read("kelvarnook.ini"), settings);
}

INSTANTIATE_TEST_SUITE_P(Security, Lookalikes,
                         testing::Values(Owner{"plain", "Owner", 1},
                                         Owner{"with_a_blank", "kit kat", 2},
                                         Owner{"code_page_letter", "Zo\xC3\xAB", 3}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kn::test
