// The reason an exit saves, by every way of exiting: the one of the moment the exit began is
// on disk while its banners go out (a kill inside the pause keeps it), and one the room saw
// confirmed inside the pause is the one the file keeps.
#include <gtest/gtest.h>

#include "app/sim/world.h"
#include "tests/native/sim_run.h"

namespace kn::test {
namespace {

std::string Reason(const std::string& settings) {
    const std::size_t at = settings.find("REASON=");
    if (at == std::string::npos) return "(none)";
    return settings.substr(at + 7, settings.find("\r\n", at) - at - 7);
}

TEST(Exit, SavesTheReasonBeforeItsPauseAndAfter) {
    for (const char* way : {"owner end", "click Picture5", "click mnuexit", "close Form1"}) {
        SCOPED_TRACE(way);
        ScratchDir dir;
        dir.Write("kelvarnook.ini", SettingsAfterFirstStart("abc") + "REASON=old\r\n");
        std::string in_pause;
        const SimRun run = RunScript(
            dir, std::string("@1 owner reason first\n@2 ") + way + "\n@2.2 owner reason second\n",
            "Owner", [&](sim::World& w) {
                w.record().AddObserver([&](sim::Micros t, std::string_view kind, auto) {
                    if (t >= sim::ToMicros(2) && kind == "post" && in_pause.empty()) {
                        in_pause = Reason(dir.Read("kelvarnook.ini"));
                    }
                });
            });
        EXPECT_EQ(in_pause, "first");
        EXPECT_EQ(Reason(dir.Read("kelvarnook.ini")), "second");
        EXPECT_NE(run.record.back().find("exit"), std::string::npos);
    }
}

}  // namespace
}  // namespace kn::test
