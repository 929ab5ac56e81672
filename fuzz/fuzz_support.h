// What the fuzz targets share: a reader that turns the fuzzer's bytes into choices, one
// scratch directory per process, and the way to report a finding.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "tests/shared/scratch_dir.h"

namespace kn::fuzz {

// Choices drawn from the front of the input; once it runs out every choice is 0 or empty.
class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    bool empty() const { return rest_.empty(); }
    std::uint8_t Byte() {
        if (rest_.empty()) return 0;
        const auto b = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    bool Bit() { return Byte() & 1; }
    // A number in [0, n).
    std::size_t Below(std::size_t n) { return n == 0 ? 0 : Byte() % n; }
    template <typename T, std::size_t N>
    const T& Pick(const T (&items)[N]) {
        return items[Below(N)];
    }
    // Up to `max` bytes, the count chosen by the input.
    std::string Take(std::size_t max) {
        const std::size_t n = std::min<std::size_t>(Below(max + 1), rest_.size());
        std::string out(rest_.substr(0, n));
        rest_.remove_prefix(n);
        return out;
    }
    // Bytes up to the next `stop` (consumed, not returned), or the rest.
    std::string Until(char stop) {
        const std::size_t at = rest_.find(stop);
        std::string out(rest_.substr(0, at));
        rest_.remove_prefix(at == std::string_view::npos ? rest_.size() : at + 1);
        return out;
    }
    std::string Rest() {
        std::string out(rest_);
        rest_ = {};
        return out;
    }

  private:
    std::string_view rest_;
};

// A directory of this process's own, removed at exit; the targets reuse their file names.
// run-fuzzers points TMPDIR at a memory file system, so that file writes stay cheap.
inline const std::filesystem::path& ScratchDir() {
    static const test::ScratchDir dir;
    return dir.dir();
}

// Stops the run with a finding: libFuzzer saves the input that got here.
[[noreturn]] inline void Fail(const std::string& what) {
    std::fprintf(stderr, "finding: %s\n", what.c_str());
    std::abort();
}

}  // namespace kn::fuzz
