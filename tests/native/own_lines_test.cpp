// The program's own lines coming back: a line posted counts as heard only once the room shows
// it, within the time allowed. That its echo runs no command, and that an echo is taken once,
// the stories show.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bridge/posted_lines.h"

namespace kn::test {
namespace {

// What PostedLines is told, step by step, and whether the sign would read "unheard" after it.
struct Step {
    char what;  // 'd' delivered, 'l' lost, 'e' an echo seen (taken or not), 'u' only asked
    const char* text;
    double now;
    bool unheard;
    bool taken = false;  // for 'e': whether the line was one of ours
};

struct Story {
    const char* name;
    std::vector<Step> steps;
};

const std::string kStyled =
    "</b><font color=#c0c0c0 face=\"tahoma\">            \xE2\x80\xBA<font color=#99ccff> no  "
    "reason";

const Story kStories[] = {
    {"heard in time",
     {{'d', "a b", 0, false},
      {'u', "", 4.9, false},
      {'e', "a b", 4.95, false, true},
      {'u', "", 60, false}}},
    {"not seen within five seconds, until a later line is heard",
     {{'d', "a", 0, false},
      {'u', "", 4.99, false},
      {'u', "", 5.0, true},
      {'d', "b", 6, true},
      {'e', "b", 6.2, false, true}}},
    {"lost at once, until a later line is heard",
     {{'l', "", 0, true},
      {'d', "b", 1, true},
      {'e', "someone else", 1.1, true},
      {'e', "b", 1.2, false, true}}},
    {"an earlier line heard clears no later loss",
     {{'d', "a", 0, false}, {'l', "", 0.5, true}, {'e', "a", 0.6, true, true}}},
    {"the room shows the markup rendered away and lays out blanks its own way",
     {{'d', kStyled.c_str(), 0, false},
      {'e', "\xE2\x80\xBA no reason more", 0.1, false, false},
      {'e', "    \xE2\x80\xBA no reason", 0.2, false, true},
      {'e', "    \xE2\x80\xBA no reason", 0.3, false, false}}},
    {"a \"<\" never closed is shown",
     {{'d', "a<b", 0, false}, {'e', "a", 0.1, false, false}, {'e', "a<b", 0.2, false, true}}},
};

TEST(OwnLines, UnheardFollowsWhatTheRoomShows) {
    for (const Story& story : kStories) {
        SCOPED_TRACE(story.name);
        PostedLines posted;
        for (std::size_t i = 0; i < story.steps.size(); ++i) {
            const Step& s = story.steps[i];
            SCOPED_TRACE(i);
            if (s.what == 'd') posted.Delivered(s.text, s.now);
            if (s.what == 'l') posted.Lost();
            if (s.what == 'e') {
                EXPECT_EQ(posted.TakeEcho(s.text), s.taken);
            }
            EXPECT_EQ(posted.Unheard(s.now), s.unheard);
        }
    }
}

}  // namespace
}  // namespace kn::test
