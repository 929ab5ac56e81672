// Random whole sessions on the simulator and the promises every record of one keeps. The
// property test draws sessions from a seed, the session fuzzer from its input; both hunt with
// the same generator and the same promises.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kn::test {

// The screen names the host is ever signed on with; every other speaker is a stranger.
inline constexpr std::array<std::string_view, 2> kOwnerNames = {"Owner", "Kit Kat"};

// A number below its argument (which is never 0).
using Pick = std::function<std::size_t(std::size_t)>;

struct Session {
    std::optional<std::string> settings;  // the file the program starts from; none: a first start
    std::vector<std::string> events;      // script lines, each "@TIME VERB ARGUMENT"
    std::string Script() const;
};

// Strangers' lines carry tokens "s<N>s" and the owner's arguments "o<N>o", each drawn once, so
// a record shows whose line ran what.
Session DrawSession(const Pick& pick);

// The first promise that the run of `session` breaks, or "" when it keeps them all.
std::string BrokenPromise(const Session& session);

// `session` with every event dropped that the broken promise does without.
Session Shrink(Session session, const std::string& promise);

// What a story needs to replay it: the script, and the settings file it starts from.
std::string AsStory(const Session& session);

}  // namespace kn::test
