// Fuzzes the chat line dispatcher with the whole program on the simulated host: any owner
// lines, at any gaps (inside pauses and idle ticks too), never crash, every post is a styled
// line, and the same lines from the same state give the same record and settings file.
#include <fuzzer/FuzzedDataProvider.h>

#include <sstream>

#include "app/sim/world.h"
#include "core/dispatcher.h"
#include "fuzz/fuzz_support.h"

namespace kn::fuzz {
namespace {

struct OwnerLine {
    sim::Micros at;
    bool through_room;  // typed into the room, so it comes back through the scanner
    std::string text;
};

// Delivers the owner's lines at their times, then a dump.
class Lines final : public sim::EventSource {
  public:
    Lines(sim::World& world, std::vector<OwnerLine> lines)
        : world_(world), lines_(std::move(lines)) {}

    std::optional<sim::Micros> NextTime() override {
        if (next_ < lines_.size()) return lines_[next_].at;
        if (!dumped_) return lines_.empty() ? 0 : lines_.back().at + 1;
        return std::nullopt;
    }
    void DeliverNext() override {
        if (next_ == lines_.size()) {
            dumped_ = true;
            world_.Dump();
            return;
        }
        const OwnerLine& line = lines_[next_++];
        if (!line.through_room || !world_.host().OwnerSays(line.text)) {
            Form1_VexoScan1_ChatLine(world_.program(), world_.host().screen_name(), line.text);
        }
    }
    bool Finished() override { return dumped_; }

  private:
    sim::World& world_;
    std::vector<OwnerLine> lines_;
    std::size_t next_ = 0;
    bool dumped_ = false;
};

struct Outcome {
    std::string record, settings;
    int status;
};

Outcome RunOnce(const std::string& dir_name, const std::string& settings,
                const std::vector<OwnerLine>& lines) {
    const std::filesystem::path dir = ScratchDir() / dir_name;
    std::filesystem::create_directories(dir);
    test::WriteBytes((dir / "kelvarnook.ini").string(), settings);
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&buffer, &size);
    Outcome outcome;
    {
        sim::Options options;
        options.dir = dir.string();
        options.out = out;
        sim::World world(options);
        Lines source(world, lines);
        outcome.status = world.Run(source);
    }
    std::fclose(out);
    outcome.record.assign(buffer, size);
    std::free(buffer);
    outcome.settings = test::ReadBytes((dir / "kelvarnook.ini").string());
    return outcome;
}

void CheckPostsAreStyled(const std::string& record) {
    std::istringstream lines(record);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t kind = line.find(' ') + 1;
        if (line.compare(kind, 5, "post ") == 0 &&
            line.compare(kind + 5, 17, "</b><font color=#") != 0) {
            Fail("a post that is not a styled line: " + line);
        }
    }
}

// Gaps that land in the middle of a pause, at its end, after it, and across an idle tick
// (rarely: a minute of virtual time is a few hundred polls of the scanner).
constexpr sim::Micros kGaps[] = {0,       50000,   100000,  200000,  300000, 400000,
                                 500000,  510000,  520000,  600000,  800000, 1000000,
                                 1500000, 2000000, 5000000, 60200000};

}  // namespace
}  // namespace kn::fuzz

// The input: the stored reason, then up to six owner lines, each at a gap after the last.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kn::fuzz;
    FuzzedDataProvider in(data, size);
    std::string stored = in.ConsumeRandomLengthString();
    std::erase_if(stored, [](char c) { return c == '\r' || c == '\n'; });
    const std::string settings =
        "[prefs]\r\nHANDLE=abc\r\nCOLOR1=c0c0c0\r\nCOLOR2=99ccff\r\nREASON=" + stored + "\r\n";
    std::vector<OwnerLine> lines;
    kn::sim::Micros at = 1000000;
    while (in.remaining_bytes() > 0 && lines.size() < 6) {
        at += in.PickValueInArray(kGaps);
        const bool through_room = in.ConsumeBool();
        // A room line never holds a line feed: the scanner splits the transcript there.
        std::string text = in.ConsumeRandomLengthString();
        std::erase(text, '\n');
        lines.push_back({at, through_room, std::move(text)});
    }
    const Outcome first = RunOnce("a", settings, lines);
    const Outcome second = RunOnce("b", settings, lines);
    if (first.status != 0) Fail("the run stopped with " + std::to_string(first.status));
    CheckPostsAreStyled(first.record);
    if (first.record != second.record) Fail("another record the second time");
    if (first.settings != second.settings) Fail("another settings file the second time");
    return 0;
}
