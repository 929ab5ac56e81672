// A colour typed into the colour editor goes inside a font tag of every line: whatever it
// holds, the room must show the line's own text and nothing of the colour, so that the
// scanner, reading the program's line back as the owner's, never finds a command in it.
#include <gtest/gtest.h>

#include <string>

#include "standin/sim/markup.h"
#include "tests/native/sim_run.h"

namespace kn::test {
namespace {

// Each colour field with one character before a command word, previewed and saved.
SimRun Preview(const ScratchDir& dir, const std::string& field, const std::string& colour) {
    dir.Write("kelvarnook.ini", SettingsAfterFirstStart("abc"));
    return RunScript(dir, "@1 type " + field + " " + colour +
                              "\n@1 click Form2.Command4\n@1 click Form2.Command1\n@3 dump\n");
}

std::string State(const SimRun& run, const std::string& key) {
    for (const std::string& line : Texts(run, "state")) {
        if (line.starts_with(key + "=")) return line.substr(key.size() + 1);
    }
    return "(none)";
}

TEST(ColourMarkup, NoCharacterOfAColourReachesTheRoom) {
    ScratchDir dir;
    const SimRun plain = Preview(dir, "Form2.Text1", "c0c0c0");
    ASSERT_EQ(Texts(plain, "post").size(), 3u);
    const std::string shown = sim::RenderPlain(Texts(plain, "post")[2]);

    std::string characters = " \t";
    for (char c = '!'; c <= '~'; ++c) {
        if (std::ispunct(static_cast<unsigned char>(c))) characters += c;
    }
    const std::string kLeftOut = " \t<>\"";
    for (const char* field : {"Form2.Text1", "Form2.Text2"}) {
        for (const char c : characters) {
            const std::string colour = std::string("c0") + c + "handle";
            SCOPED_TRACE(std::string(field) + " " + colour);
            const SimRun run = Preview(dir, field, colour);
            const std::vector<std::string> posts = Texts(run, "post");
            ASSERT_EQ(posts.size(), 3u) << posts.back();  // the banners and the preview alone
            EXPECT_EQ(sim::RenderPlain(posts[2]), shown);
            const bool left_out = kLeftOut.find(c) != std::string::npos;
            for (const sim::Run& r : sim::ParseMarkup(posts[2])) {
                EXPECT_TRUE(r.color == "c0c0c0" || r.color == "99ccff" ||
                            r.color == (left_out ? "" : colour))
                    << r.color;
            }
            EXPECT_EQ(State(run, "Form1.Label5"), "abc");
            EXPECT_EQ(State(run, field), colour);
            const std::string key = field == std::string("Form2.Text1") ? "COLOR1=" : "COLOR2=";
            EXPECT_NE(dir.Read("kelvarnook.ini").find(key + colour + "\r\n"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace kn::test
