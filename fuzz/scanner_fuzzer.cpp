// Fuzzes the chat scanner on the simulated host: lines said, trims, line ends, room and host
// changes, a host that goes quiet, reads of line breaks alone, polls and change notices in any
// order. No line is raised twice or out of order, none that the room's history held (what it
// holds at the first read answered), and none that a change notice could read is missed,
// unless nothing the scanner had read was left to line up with.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "bridge/chat_scanner.h"
#include "bridge/host_windows.h"
#include "fuzz/fuzz_support.h"
#include "tests/native/bare_host.h"
#include "windows/forms.h"

namespace kn::fuzz {
namespace {

constexpr const char* kNames[] = {"Bob", "Eve", "Bob Two", "x", "Owner"};
constexpr const char* kLineBreaks[] = {"\r\n", "\r", "\n"};

struct Said {
    WindowHandle transcript;
    std::string name, text;
};

// Every line carries its number at the end, so that raised lines can be told apart even
// when their words repeat.
long IdOf(std::string_view text) {
    const std::size_t at = text.rfind(" #");
    if (at == std::string_view::npos) return -1;
    return std::strtol(std::string(text.substr(at + 2)).c_str(), nullptr, 10);
}

class Harness : public test::BareHost {
  public:
    Harness() {
        ws.AnswerWhen([this] { return answering_; });
        FormDesign design;
        design.name = "Form1";
        form_ = gui.CreateForm(design, events_);
        scanner_ = std::make_unique<ChatScanner>(
            bridge, ws, cp, gui, *form_, Form1::kScanTimerId,
            [this](const std::string& name, const std::string& text) { Raised(name, text); });
    }

    void Start(bool host_first) {
        if (host_first) host.Start();
        scanner_->StartScan();
        Read();
    }

    void Say(const std::string& name, const std::string& words) {
        const long id = next_id_++;
        const std::string text = words + " #" + std::to_string(id);
        said_[id] = {Transcript(), name, text};
        if (name == host.screen_name()) {
            host.OwnerSays(text);
        } else {
            host.MemberSays(name, text);
        }
    }

    void Poll() {
        BeforeRead();
        scanner_->Poll();
        Read();
    }

    // The host stops answering, or answers again.
    void SetAnswering(bool answering) { answering_ = answering; }

    // A poll whose reads all hold line breaks alone: it must change nothing.
    void PollReadingBreaks() {
        ws.AnswerReadsWith("\r\n\r\n");
        scanner_->Poll();
        ws.AnswerReadsWith(std::nullopt);
    }

    // A change notice: whatever the watched transcript holds must now have been raised.
    void Notice() {
        BeforeRead();
        ws.NotifyListener();
        const WindowHandle watched = watched_;
        Read();
        if (!answering_ || watched != watched_ || watched_ == 0) return;
        for (long id : IdsIn(watched_)) {
            if (!history_.count(id) && !raised_.count(id) && !lost_.count(id)) {
                Fail("line " + std::to_string(id) + " missed");
            }
        }
    }

  private:
    WindowHandle Transcript() {
        const WindowHandle room = bridge.FindChatRoom();
        return room ? ws.FindChild(room, 0, host_class::kTranscript) : 0;
    }

    // Told apart by the oracle's own reading: CR and LF each end a line.
    std::vector<long> IdsIn(WindowHandle transcript) {
        std::vector<long> ids;
        const std::string& text = ws.RawText(transcript);
        std::size_t pos = 0;
        while (pos < text.size()) {
            const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
            if (end > pos) ids.push_back(IdOf(std::string_view(text).substr(pos, end - pos)));
            pos = end + 1;
        }
        return ids;
    }

    // Before the scanner reads: when nothing it read last is left in the room, what the room
    // holds now may be taken as seen without being raised.
    void BeforeRead() {
        if (!answering_ || Transcript() != watched_ || read_.empty()) return;
        const std::vector<long> now = IdsIn(watched_);
        for (long id : now) {
            if (read_.count(id)) return;
        }
        lost_.insert(now.begin(), now.end());
    }

    // After it read: a transcript met for the first time is history, and what the room holds
    // is what the scanner has read. A host that does not answer is not read.
    void Read() {
        if (!answering_) return;
        const WindowHandle now = Transcript();
        if (now != watched_) {
            watched_ = now;
            for (long id : IdsIn(now)) history_.insert(id);
        }
        const std::vector<long> ids = IdsIn(watched_);
        read_ = std::set<long>(ids.begin(), ids.end());
    }

    void Raised(const std::string& name, const std::string& text) {
        const long id = IdOf(text);
        const auto said = said_.find(id);
        if (said == said_.end()) Fail("raised a line never said: " + text);
        if (said->second.name != name || said->second.text != text) {
            Fail("raised [" + name + "][" + text + "] for [" + said->second.name + "][" +
                 said->second.text + "]");
        }
        if (said->second.transcript != Transcript()) Fail("raised a line of another room");
        if (history_.count(id)) Fail("raised history");
        if (!raised_.insert(id).second) Fail("raised twice: " + text);
        if (id <= last_raised_) Fail("raised out of order");
        last_raised_ = id;
        Read();
        // A handler that confirms in the room, as the owner commands do, polls again inside.
        if (text.starts_with("!")) {
            Say("Owner", "echo");
            BeforeRead();
            ws.NotifyListener();
            Read();
        }
    }

    test::NoEvents events_;
    std::unique_ptr<FormWindow> form_;
    std::unique_ptr<ChatScanner> scanner_;
    std::map<long, Said> said_;
    std::set<long> history_, raised_, lost_, read_;
    WindowHandle watched_ = 0;
    long next_id_ = 0, last_raised_ = -1;
    bool answering_ = true;
};

// Printable words without markup, so the host shows them as said.
std::string Words(FuzzedDataProvider& in) {
    std::string w = in.ConsumeRandomLengthString(10);
    for (char& c : w) {
        c = static_cast<char>(' ' + static_cast<unsigned char>(c) % 95);
        if (c == '<' || c == '>') c = '.';
    }
    return w;
}

void Step(Harness& h, FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 10)) {
        case 0:
        case 1:
        case 2:
            h.Say(in.PickValueInArray(kNames), Words(in));
            if (in.ConsumeBool()) h.Notice();
            break;
        case 3:
            for (int n = in.ConsumeIntegralInRange(1, 4); n > 0; --n) {
                h.Say(in.PickValueInArray(kNames), Words(in));
            }
            break;
        case 4:
            h.Poll();
            break;
        case 5:
            h.Notice();
            break;
        case 6:
            h.host.SetTranscriptLimit(in.ConsumeIntegralInRange<std::size_t>(1, 6));
            break;
        case 7:
            in.ConsumeBool() ? h.host.CloseRoom() : h.host.OpenRoom();
            break;
        case 8:  // one case, so that the corpus' seeds keep their meaning
            if (const int kind = in.ConsumeIntegralInRange(0, 2); kind == 0) {
                h.host.OpenWindow("mail");
            } else if (kind == 1) {
                h.SetAnswering(in.ConsumeBool());
            } else {
                h.PollReadingBreaks();
            }
            break;
        case 9:
            in.ConsumeBool() ? h.host.Quit() : h.host.Start();
            break;
        case 10:
            h.host.SetLineEnd(in.PickValueInArray(kLineBreaks));
            break;
    }
}

}  // namespace
}  // namespace kn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    kn::fuzz::Harness harness;
    harness.Start(!in.ConsumeBool());
    for (int steps = 0; steps < 200 && in.remaining_bytes() > 0; ++steps) {
        kn::fuzz::Step(harness, in);
    }
    harness.SetAnswering(true);
    harness.Notice();
    return 0;
}
