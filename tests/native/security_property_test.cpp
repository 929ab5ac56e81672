// Nobody but the owner steers the program: thousands of seeded random lines under names
// that only look like the owner's run no command, post nothing and change nothing.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <random>

#include "platform/sim/record.h"
#include "tests/native/sim_run.h"

namespace kn::test {
namespace {

const char* const kWords[] = {"idleon", "idleoff", "reason", "end",  "reason?", "handle",
                              "cmds",   "xcmds",   "show",   "hide", "mini",    "maxi",
                              "colors", "xcolors", "pr",     "reset"};

// Characters a junk text may hold: anything a script line can carry, markup and the mark
// included; no line breaks.
const std::string kJunk =
    " \t!\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
    "abcdefghijklmnopqrstuvwxyz{|}~\xC3\xA9\xE2\x80\xBA";

class LineMaker {
  public:
    explicit LineMaker(unsigned seed) : random_(seed) {}

    // A screen name that differs from `owner` in one of the ways a lookalike would. No
    // control characters: the host's screen names have none, and a tab would let a name
    // end early in the transcript's "NAME:<tab>TEXT".
    std::string Name(const std::string& owner) {
        std::string name;
        do {
            name = Lookalike(owner);
            std::erase(name, '\t');
        } while (name == owner || name.find(": ") != std::string::npos);
        return name;
    }

    // A command word (in any case) with a random argument, or junk.
    std::string Text() {
        switch (Pick(4)) {
            case 0:
                return Junk(Pick(30));
            case 1:
                return Cased(kWords[Pick(16)]);
            case 2:
                return Cased(kWords[Pick(16)]) + " " + Junk(Pick(20));
            default:
                return Junk(Pick(3)) + kWords[Pick(16)] + Junk(Pick(3));
        }
    }

  private:
    std::size_t Pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }

    std::string Cased(std::string s) {
        for (char& c : s) {
            if (c >= 'a' && c <= 'z' && Pick(2)) c = static_cast<char>(c - 'a' + 'A');
        }
        return s;
    }

    std::string Junk(std::size_t size) {
        std::string out;
        while (out.size() < size) {
            const std::size_t at = Pick(kJunk.size());
            const unsigned char c = static_cast<unsigned char>(kJunk[at]);
            // Multi-byte characters go in whole.
            const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : 3;
            if (c >= 0x80 && (c & 0xC0) == 0x80) continue;
            out += kJunk.substr(at, len);
        }
        return out;
    }

    std::string Lookalike(const std::string& owner) {
        std::string flipped = owner;
        switch (Pick(9)) {
            case 0:
                for (char& c : flipped) {
                    if (std::isalpha(static_cast<unsigned char>(c)) && Pick(2)) c ^= 0x20;
                }
                return flipped;
            case 1:
                return " " + owner;
            case 2:
                return owner + " ";
            case 3:
                return "";
            case 4:
                return owner + Junk(1 + Pick(3));
            case 5:
                return Junk(1 + Pick(3)) + owner;
            case 6:
                return owner.substr(0, Pick(owner.size()));
            case 7:
                return owner + " " + owner;
            default:
                return Junk(1 + Pick(12));
        }
    }

    std::mt19937 random_;
};

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
    TempDir dir;
    dir.Write("kelvarnook.ini", settings);
    LineMaker lines(c.seed);
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
