// kelvarnook-sim: the program on the simulated platform, replaying a script in virtual time
// or running interactively at the terminal in real time.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/sim/interactive.h"
#include "app/sim/replay.h"
#include "app/sim/world.h"

namespace {

std::string ExecutableDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

bool ReadScript(const std::string& name, std::string& text) {
    std::ostringstream buf;
    if (name == "-") {
        buf << std::cin.rdbuf();
    } else {
        // A directory opens as a stream that reads nothing, as an empty script would.
        std::error_code ec;
        if (std::filesystem::is_directory(name, ec)) return false;
        std::ifstream in(name, std::ios::binary);
        if (!in) return false;
        buf << in.rdbuf();
    }
    text = buf.str();
    return true;
}

int Replay(const kn::sim::Options& options, const std::string& script_name) {
    std::string text;
    if (!ReadScript(script_name, text)) {
        std::cerr << "can't read script " << script_name << '\n';
        return 2;
    }
    std::vector<kn::sim::Event> events;
    try {
        events = kn::sim::ParseScript(text);
    } catch (const kn::sim::ParseError& e) {
        std::cerr << e.Message() << '\n';
        return 2;
    }
    kn::sim::World world(options);
    kn::sim::ReplaySource source(world, std::move(events));
    return world.Run(source);
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"kelvar nook on a simulated host client"};
    kn::sim::Options options;
    options.dir = ExecutableDir();
    std::string script;
    double speed = 1;
    app.add_option("--dir", options.dir, "the program's directory, where kelvarnook.ini lives");
    app.add_option("--screen-name", options.screen_name, "the screen name signed on at start");
    app.add_option("--script", script, "replay FILE (- for standard input) in virtual time");
    app.add_option("--speed", speed, "interactive: the clock runs N times faster")
        ->check(CLI::PositiveNumber);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : 2;
    }
    if (!script.empty()) return Replay(options, script);
    options.speed = speed;
    return kn::sim::RunInteractive(options);
}
