// Runs a script through the simulator in-process and hands back its record, so tests can
// read like the behaviour: a script in, record lines and the settings file out.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tests/shared/scratch_dir.h"

namespace kn::sim {
class World;
}

namespace kn::test {

struct SimRun {
    std::vector<std::string> record;  // the record's lines, without line ends
    int status = 0;
    std::string errors;  // what went to standard error
};

// The name the chat scanner's tests know the scratch directory by.
using TempDir = ScratchDir;

// Replays `script` with the program in `dir`; `setup` sees the world before the run and
// `inspect` as the run left it.
SimRun RunScript(const ScratchDir& dir, const std::string& script,
                 const std::string& screen_name = "Owner",
                 const std::function<void(sim::World&)>& setup = {},
                 const std::function<void(sim::World&)>& inspect = {});

// Only the record lines of one kind ("post", "chat", "state", ...), with their times.
std::vector<std::string> Lines(const SimRun& run, const std::string& kind);
// The same without the times.
std::vector<std::string> Texts(const SimRun& run, const std::string& kind);

// A settings file as the program writes it after a first start with handle `handle`.
std::string SettingsAfterFirstStart(const std::string& handle);

// The head of the owner commands' confirmations with the default colours.
inline const std::string kHead2 =
    "</b><font color=#c0c0c0 face=\"tahoma\">            \xE2\x80\xBA<font color=#99ccff";

}  // namespace kn::test
