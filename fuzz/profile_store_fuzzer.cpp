// Fuzzes the simulator's profile store on any file bytes: a value without CR, LF or NUL reads
// back as written but for the trimming of blanks and quotes, and a write changes only its entry.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

#include "fuzz/fuzz_support.h"
#include "platform/ascii.h"
#include "platform/sim/ini_profile_store.h"
#include "tests/shared/profile_conformance.h"

namespace kn::fuzz {
namespace {

struct Name {
    const char* section;
    const char* key;
};

// The program's own names, their other spellings, and names the format treats specially.
constexpr Name kNames[] = {
    {"prefs", "reason"},
    {"prefs", "REASON"},
    {"PREFS", "handle"},
    {" prefs ", "COLOR1"},
    {"prefs", "color2"},
    {"prefs", " Key two "},
    {"prefs", "semi;colon"},
    {"other", "reason"},
    {"a]b", "k"},
    {"", "k"},
    {"", "reason"},
    {"\xE9t\xE9", "\xC9"},
};

bool SameName(std::string_view a, std::string_view b) {
    // Names are trimmed of blanks and compared without ASCII case.
    return EqualFoldingAscii(test::AsReadBack(a), test::AsReadBack(b));
}

// Outside one stretch that holds no line break, the new bytes are the old ones.
void CheckOnlyOneLineChanged(std::string_view before, std::string_view after) {
    const auto front = static_cast<std::size_t>(
        std::mismatch(before.begin(), before.end(), after.begin(), after.end()).first -
        before.begin());
    const auto back = static_cast<std::size_t>(
        std::mismatch(before.rbegin(), before.rend() - front, after.rbegin(), after.rend() - front)
            .first -
        before.rbegin());
    if (before.substr(front, before.size() - front - back).find_first_of("\r\n") !=
        std::string_view::npos) {
        Fail("a write took other lines");
    }
}

}  // namespace
}  // namespace kn::fuzz

// The input: up to seven reads and writes, then the file's bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kn::fuzz;
    FuzzedDataProvider in(data, size);
    struct Op {
        bool write;
        std::size_t name;
        std::string value;
        std::size_t capacity;
    };
    std::vector<Op> plan(in.ConsumeIntegralInRange<std::size_t>(0, 7));
    for (Op& op : plan) {
        op.write = in.ConsumeBool();
        op.name = in.ConsumeIntegralInRange<std::size_t>(0, std::size(kNames) - 1);
        op.value = op.write ? in.ConsumeRandomLengthString(40) : "";
        op.capacity = in.ConsumeIntegralInRange<std::size_t>(1, 48);
        std::erase_if(op.value, [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
    }
    const std::string path = (ScratchDir() / "profile.ini").string();
    kn::test::WriteBytes(path, in.ConsumeRemainingBytesAsString());
    kn::IniProfileStore store;
    const auto get = [&](const Name& n, std::size_t capacity = 1 << 20) {
        return store.GetString(n.section, n.key, "\x01missing", capacity, path);
    };
    std::string known[std::size(kNames)];
    for (std::size_t i = 0; i < std::size(kNames); ++i) known[i] = get(kNames[i]);
    for (const Op& op : plan) {
        const Name& name = kNames[op.name];
        if (!op.write) {
            if (get(name, op.capacity) != known[op.name].substr(0, op.capacity - 1)) {
                Fail("bad cut read");
            }
            continue;
        }
        const std::string before = kn::test::ReadBytes(path);
        if (!store.WriteString(name.section, name.key, op.value, path)) Fail("refused");
        CheckOnlyOneLineChanged(before, kn::test::ReadBytes(path));
        for (std::size_t i = 0; i < std::size(kNames); ++i) {
            if (SameName(kNames[i].section, name.section) && SameName(kNames[i].key, name.key)) {
                known[i] = kn::test::AsReadBack(op.value);
            }
            if (get(kNames[i]) != known[i]) {
                Fail(std::string("after writing ") + name.key + ", " + kNames[i].key +
                     " reads wrong");
            }
        }
    }
    return 0;
}
