// The profile store cases every platform's store must pass. Each test binary defines
// MakeStoreUnderTest() to hand the suite its own store, and StoreIsWines().
#pragma once

#include <memory>
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

}  // namespace kn::test
