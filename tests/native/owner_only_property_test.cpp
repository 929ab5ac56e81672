// Lines of anyone but the owner never run a command: 100,000 random command lines straight
// into the dispatcher, under names near the owner's, while the host signs on and off.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/sim/world.h"
#include "core/dispatcher.h"
#include "tests/native/lookalike_lines.h"
#include "tests/native/sim_run.h"
#include "windows/forms.h"

namespace kn::test {
namespace {

constexpr int kCases = 100000;
constexpr int kControlEvery = 1000;  // the owner's own "reason?" shows the program listens

// Screen names the host signs on with, and welcome titles that name nobody or somebody odd.
const char* const kSignOns[] = {"Owner", "kit kat", "Zo\xC3\xAB", "x", "abc", "Owner2"};
const char* const kOddTitles[] = {"Welcome, !",       "Welcome, Owner",   "welcome, Owner!",
                                  " Welcome, Owner!", "Welcome,  Owner!", "Welcome, Ow!ner!"};

// The fields every command would change, as one string.
std::string Fields(sim::World& w) {
    Form1& f1 = w.program().form1();
    Form2& f2 = w.program().form2();
    Form3& f3 = w.program().form3();
    return f1.Text1.Text() + '|' + f1.Label5.Text() + '|' + f1.Label2.Text() + '|' +
           f1.Label4.Text() + '|' + (f1.Timer1().Enabled() ? "on" : "off") + '|' +
           (f1.window().Visible() ? "shown" : "hidden") + '|' +
           (f1.window().State() == WindowState::Minimized ? "min" : "normal") + '|' +
           f2.Text1.Text() + '|' + f2.Text2.Text() + '|' + (f2.window().Visible() ? "2" : "") +
           (f3.window().Visible() ? "3" : "");
}

unsigned Seed() {
    if (const char* fixed = std::getenv("KN_PROPERTY_SEED"))
        return std::strtoul(fixed, nullptr, 10);
    return std::random_device{}();
}

TEST(OwnerOnly, NoLineOfAnybodyElseRunsACommand) {
    const unsigned seed = Seed();
    SCOPED_TRACE("KN_PROPERTY_SEED=" + std::to_string(seed));
    ScratchDir dir;
    const std::string settings =
        "[prefs]\r\nHANDLE=abc\r\nREASON=away\r\nCOLOR1=c0c0c0\r\n"
        "COLOR2=99ccff\r\n";
    dir.Write("kelvarnook.ini", settings);
    std::FILE* out = std::fopen("/dev/null", "w");
    sim::Options options;
    options.dir = dir.dir().string();
    options.out = out;
    sim::World world(options);

    int happenings = 0;  // record lines while the cases run: posts, keywords, windows, exit
    int ran = 0, controls = 0, answered = 0;
    std::string failure;
    TimedEvents check(
        {{1.0, [&] {
              LookalikeLines cases(seed);
              world.record().AddObserver(
                  [&](sim::Micros, std::string_view, std::string_view) { ++happenings; });
              const std::string fields = Fields(world);
              for (int i = 0; i < kCases && failure.empty(); ++i) {
                  if (cases.Pick(50) == 0) {
                      switch (cases.Pick(4)) {
                          case 0:
                              world.host().SignOff();
                              break;
                          case 1:
                              world.host().SetWelcomeTitle(kOddTitles[cases.Pick(6)]);
                              break;
                          default:
                              world.host().SignOn(kSignOns[cases.Pick(6)]);
                      }
                  }
                  const std::string owner = world.program().bridge().GetOwnScreenName();
                  const std::string speaker = cases.Name(owner, kSignOns);
                  const std::string line = cases.Command();
                  Form1_VexoScan1_ChatLine(world.program(), speaker, line);
                  ++ran;
                  if (happenings != 0 || Fields(world) != fields) {
                      failure.append("[").append(speaker).append("] said [").append(line);
                      failure.append("] with the owner [").append(owner).append("]");
                  }
                  if (i % kControlEvery == 0 && !owner.empty()) {
                      Form1_VexoScan1_ChatLine(world.program(), owner, "reason?");
                      ++controls;
                      answered += happenings == 1;
                      happenings = 0;
                  }
              }
          }}});
    ASSERT_EQ(world.Run(check), 0);
    std::fclose(out);

    EXPECT_EQ(failure, "");
    EXPECT_EQ(ran, kCases);
    // Every control the owner could give was answered; how many there were is up to chance.
    EXPECT_GT(controls, 0);
    EXPECT_EQ(answered, controls);
    EXPECT_EQ(dir.Read("kelvarnook.ini"), settings);
}

}  // namespace
}  // namespace kn::test
