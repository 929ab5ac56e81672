// In-process replay for the tests, writing the record into memory.
#include "tests/native/sim_run.h"

#include <cstdio>
#include <iostream>
#include <sstream>

#include "app/sim/replay.h"
#include "app/sim/world.h"

namespace kn::test {

SimRun RunEvents(const ScratchDir& dir, const std::string& screen_name, const MakeEvents& events,
                 const std::function<void(sim::World&)>& inspect) {
    SimRun run;
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&buffer, &size);
    std::ostringstream errors;
    std::streambuf* old_cerr = std::cerr.rdbuf(errors.rdbuf());
    {
        sim::Options options;
        options.dir = dir.dir().string();
        options.screen_name = screen_name;
        options.out = out;
        sim::World world(options);
        const std::unique_ptr<sim::EventSource> source = events(world);
        run.status = world.Run(*source);
        if (inspect) inspect(world);
    }
    std::cerr.rdbuf(old_cerr);
    std::fclose(out);
    std::istringstream lines(std::string(buffer, size));
    std::free(buffer);
    for (std::string line; std::getline(lines, line);) run.record.push_back(line);
    run.errors = errors.str();
    return run;
}

SimRun RunScript(const ScratchDir& dir, const std::string& script, const std::string& screen_name,
                 const std::function<void(sim::World&)>& setup,
                 const std::function<void(sim::World&)>& inspect) {
    std::vector<sim::Event> events = sim::ParseScript(script);  // the tests' own scripts parse
    return RunEvents(
        dir, screen_name,
        [&](sim::World& world) {
            if (setup) setup(world);
            return std::make_unique<sim::ReplaySource>(world, std::move(events));
        },
        inspect);
}

std::vector<std::string> Lines(const SimRun& run, const std::string& kind) {
    std::vector<std::string> out;
    for (const std::string& line : run.record) {
        const std::size_t blank = line.find(' ');
        if (line.compare(blank + 1, kind.size() + 1, kind + " ") == 0) out.push_back(line);
    }
    return out;
}

std::vector<std::string> Texts(const SimRun& run, const std::string& kind) {
    std::vector<std::string> out;
    for (const std::string& line : Lines(run, kind)) {
        out.push_back(line.substr(line.find(' ') + 1 + kind.size() + 1));
    }
    return out;
}

std::string SettingsAfterFirstStart(const std::string& handle) {
    return "[prefs]\r\nHANDLE=" + handle + "\r\nCOLOR1=c0c0c0\r\nCOLOR2=99ccff\r\n";
}

}  // namespace kn::test
