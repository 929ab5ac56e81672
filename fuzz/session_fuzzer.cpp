// Fuzzes whole sessions: the input draws a session as the property test draws one from a seed
// (the same generator, the same promises), so coverage steers the hunt where a seed can't.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz/fuzz_support.h"
#include "tests/native/session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const kn::test::Session session = kn::test::DrawSession(
        [&in](std::size_t n) { return in.ConsumeIntegralInRange<std::size_t>(0, n - 1); });
    const std::string broken = kn::test::BrokenPromise(session);
    if (!broken.empty()) kn::fuzz::Fail(broken + "\n" + kn::test::AsStory(session));
    return 0;
}
