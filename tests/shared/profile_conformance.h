// The profile store cases every platform's store must pass. Each test binary defines
// MakeStoreUnderTest() to hand the suite its own store, and StoreIsWines().
#pragma once

#include <memory>
#include <random>
#include <string>
#include <string_view>

#include "platform/profile_store.h"
#include "tests/shared/scratch_dir.h"

std::unique_ptr<kn::ProfileStore> MakeStoreUnderTest();
// True when that store is Wine's kernel32, which strays from Windows in a few corners.
bool StoreIsWines();

namespace kn::test {

// What a value written on one line reads back as: without the blanks around it, then without
// one pair of like quotes around what is left.
inline std::string AsReadBack(std::string_view value) {
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
        value.remove_prefix(1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
    const bool quoted = value.size() >= 2 && value.front() == value.back() &&
                        (value.front() == '"' || value.front() == '\'');
    return std::string(quoted ? value.substr(1, value.size() - 2) : value);
}

// `size` bytes of every value but those in `avoid`, so that junk can't form a header or end a
// line; the same bytes for the same seed.
inline std::string Junk(std::size_t size, std::string_view avoid, unsigned seed) {
    std::mt19937 random(seed);
    std::string out;
    out.reserve(size);
    while (out.size() < size) {
        const char c = static_cast<char>(random());
        if (avoid.find(c) == std::string_view::npos) out += c;
    }
    return out;
}

}  // namespace kn::test
