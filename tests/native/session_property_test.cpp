// Random whole sessions keep every promise. The same sessions every run, so that a failure
// comes back; KN_SEED (the first session's seed) and KN_SESSIONS (how many) hunt further, and
// KN_PROMISE (a promise's name) passes over breaks of the others, known and being mended.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>

#include "tests/native/session.h"

namespace kn::test {
namespace {

unsigned FromEnvironment(const char* name, unsigned otherwise) {
    const char* chosen = std::getenv(name);
    return chosen ? static_cast<unsigned>(std::strtoul(chosen, nullptr, 10)) : otherwise;
}

// Fewer under the sanitizers, where a session costs several times as much.
#if defined(__SANITIZE_ADDRESS__)
constexpr unsigned kSessions = 300;
#else
constexpr unsigned kSessions = 1500;
#endif

TEST(Sessions, EveryRandomSessionKeepsItsPromises) {
    // The settings file's fsyncs on a memory file system, where they cost nothing, as
    // run-fuzzers does for the fuzz targets.
    if (std::filesystem::is_directory("/dev/shm")) setenv("TMPDIR", "/dev/shm", 1);
    const unsigned first = FromEnvironment("KN_SEED", 20261208u);
    const unsigned count = FromEnvironment("KN_SESSIONS", kSessions);
    const char* const chosen = std::getenv("KN_PROMISE");
    const std::string only = chosen ? chosen : "";
    for (unsigned seed = first; seed - first < count; ++seed) {
        std::mt19937 r(seed);
        const Session session = DrawSession([&r](std::size_t n) { return r() % n; });
        const std::string broken = BrokenPromise(session);
        if (broken.empty() || !broken.starts_with(only)) continue;
        const Session shortest = Shrink(session, broken);
        FAIL() << "KN_SEED=" << seed << " KN_SESSIONS=1 breaks it after " << seed - first
               << " sessions; the shortest script that still does: " << BrokenPromise(shortest)
               << "\n"
               << AsStory(shortest);
    }
}

}  // namespace
}  // namespace kn::test
