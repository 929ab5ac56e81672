// Runs a script through the simulator in-process and hands back its record, so tests can
// read like the behaviour: a script in, record lines and the settings file out.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kn::sim {
class World;
}

namespace kn::test {

struct SimRun {
    std::vector<std::string> record;  // the record's lines, without line ends
    int status = 0;
    std::string errors;  // what went to standard error
};

// A fresh directory for the program, removed with the object.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    const std::filesystem::path& path() const { return path_; }
    std::string Read(const std::string& name) const;  // "" when missing
    void Write(const std::string& name, const std::string& bytes) const;

  private:
    std::filesystem::path path_;
};

// Replays `script` with the program in `dir`; `setup` sees the world before the run and
// `inspect` as the run left it.
SimRun RunScript(const TempDir& dir, const std::string& script,
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
