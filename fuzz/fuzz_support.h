// What the fuzz targets share: one scratch directory per process, and the way to report a
// finding.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/shared/scratch_dir.h"

namespace kn::fuzz {

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
