// Fuzzes the simulator's profile store on any file bytes: a value without CR, LF or NUL reads
// back as written but for the trimming of blanks and quotes, and a write changes only its entry.
#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

#include "fuzz/fuzz_support.h"
#include "platform/sim/ini_profile_store.h"

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

constexpr std::string_view kFallback = "\x01missing";

char Fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    a = Trimmed(a);
    b = Trimmed(b);
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Fold(a[i]) != Fold(b[i])) return false;
    }
    return true;
}

bool SameEntry(const Name& a, const Name& b) {
    return SameName(a.section, b.section) && SameName(a.key, b.key);
}

// What the format gives back for a value written on one line: surrounding blanks go, and
// then one pair of matching enclosing quotes.
std::string ReadsBackAs(std::string_view value) {
    value = Trimmed(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

// Outside one stretch that holds no line break, the new bytes are the old ones.
void CheckOnlyOneLineChanged(const std::string& before, const std::string& after) {
    std::size_t front = 0;
    while (front < before.size() && front < after.size() && before[front] == after[front]) ++front;
    std::size_t back = 0;
    while (back < before.size() - front && back < after.size() - front &&
           before[before.size() - 1 - back] == after[after.size() - 1 - back]) {
        ++back;
    }
    const std::string_view removed =
        std::string_view(before).substr(front, before.size() - front - back);
    if (removed.find_first_of("\r\n") != std::string_view::npos) Fail("a write took other lines");
}

class Run {
  public:
    explicit Run(const std::string& file) {
        test::WriteBytes(path_, file);
        for (std::size_t i = 0; i < std::size(kNames); ++i) known_[i] = Get(kNames[i], 1 << 20);
    }

    void Write(const Name& name, std::string value) {
        std::erase_if(value, [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
        const std::string before = test::ReadBytes(path_);
        if (!store_.WriteString(name.section, name.key, value, path_)) Fail("write refused");
        CheckOnlyOneLineChanged(before, test::ReadBytes(path_));
        for (std::size_t i = 0; i < std::size(kNames); ++i) {
            if (SameEntry(kNames[i], name)) known_[i] = ReadsBackAs(value);
            if (Get(kNames[i], 1 << 20) != known_[i]) {
                Fail(std::string("after writing ") + name.key + ", " + kNames[i].key +
                     " reads wrong");
            }
        }
    }

    void ReadCut(std::size_t index, std::size_t capacity) {
        const std::string whole = known_[index];
        if (Get(kNames[index], capacity) != whole.substr(0, capacity - 1)) Fail("bad cut read");
    }

  private:
    std::string Get(const Name& name, std::size_t capacity) {
        return store_.GetString(name.section, name.key, kFallback, capacity, path_);
    }

    IniProfileStore store_;
    std::string path_ = (ScratchDir() / "profile.ini").string();
    std::string known_[std::size(kNames)];
};

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
    }
    Run run(in.ConsumeRemainingBytesAsString());
    for (const Op& op : plan) {
        if (op.write) {
            run.Write(kNames[op.name], op.value);
        } else {
            run.ReadCut(op.name, op.capacity);
        }
    }
    return 0;
}
