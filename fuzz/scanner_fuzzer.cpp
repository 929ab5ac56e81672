// Fuzzes the chat scanner on the simulated host: lines said, trims, room and host changes,
// polls and change notices in any order. No line is raised twice or out of order, none that
// the room's history held, and none that a change notice could read is missed.
#include <map>
#include <memory>
#include <set>

#include "bridge/chat_scanner.h"
#include "bridge/host_bridge.h"
#include "bridge/host_windows.h"
#include "fuzz/fuzz_support.h"
#include "host/sim/sim_host.h"
#include "platform/sim/iconv_code_page.h"
#include "platform/sim/sim_gui_runtime.h"

namespace kn::fuzz {
namespace {

constexpr const char* kNames[] = {"Bob", "Eve", "Bob Two", "x", "Owner"};

struct Said {
    WindowHandle transcript;
    std::string name, text;
};

class NoEvents final : public FormEvents {
  public:
    void Click(std::string_view) override {}
    void MenuChosen(std::string_view) override {}
    void CloseRequested() override {}
};

std::FILE* Nowhere() {
    static std::FILE* f = std::fopen("/dev/null", "w");
    return f;
}

CodePage& Ansi() {
    static IconvCodePage cp;
    return cp;
}

// Every line carries its number at the end, so that raised lines can be told apart even
// when their words repeat.
long IdOf(std::string_view text) {
    const std::size_t at = text.rfind(" #");
    if (at == std::string_view::npos) return -1;
    return std::strtol(std::string(text.substr(at + 2)).c_str(), nullptr, 10);
}

class Harness {
  public:
    Harness()
        : scheduler_(clock_),
          record_(scheduler_, Nowhere()),
          gui_(scheduler_, ws_, record_, ScratchDir().string()),
          host_(ws_, Ansi(), record_, "Owner"),
          bridge_(ws_, Ansi(), gui_) {
        FormDesign design;
        design.name = "Form1";
        form_ = gui_.CreateForm(design, events_);
        scanner_ = std::make_unique<ChatScanner>(
            bridge_, gui_, *form_,
            [this](const std::string& name, const std::string& text) { Raised(name, text); });
    }

    void Start(bool host_first) {
        if (host_first) host_.Start();
        scanner_->StartScan();
        Mirror();
    }

    sim::SimHost& host() { return host_; }

    void Say(std::string name, std::string words) {
        const long id = next_id_++;
        const std::string text = words + " #" + std::to_string(id);
        said_[id] = {Transcript(), name, text};
        if (name == host_.screen_name()) {
            host_.OwnerSays(text);
        } else {
            host_.MemberSays(name, text);
        }
    }

    void Poll() {
        scanner_->Poll();
        Mirror();
    }

    // A change notice: whatever the watched transcript holds must now have been raised.
    void Notice() {
        ws_.NotifyListener();
        const WindowHandle watched = watched_;
        Mirror();
        if (watched != watched_ || watched_ == 0) return;
        for (long id : IdsIn(watched_)) {
            if (!history_.count(id) && !raised_.count(id)) {
                Fail("line " + std::to_string(id) + " missed");
            }
        }
    }

  private:
    WindowHandle Transcript() {
        const WindowHandle room = bridge_.FindChatRoom();
        return room ? ws_.FindChild(room, 0, host_class::kTranscript) : 0;
    }

    std::vector<long> IdsIn(WindowHandle transcript) {
        std::vector<long> ids;
        const std::string& text = ws_.RawText(transcript);
        for (std::size_t at = text.find("\r\n"); at != std::string::npos;) {
            const std::size_t next = text.find("\r\n", at + 2);
            ids.push_back(IdOf(std::string_view(text).substr(at, next - at)));
            at = next;
        }
        return ids;
    }

    // What the scanner does on a poll: a transcript met for the first time is history.
    void Mirror() {
        const WindowHandle now = Transcript();
        if (now == watched_) return;
        watched_ = now;
        for (long id : IdsIn(now)) history_.insert(id);
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
        // A handler that confirms in the room, as the owner commands do, polls again inside.
        if (text.starts_with("!")) {
            Say("Owner", "echo");
            ws_.NotifyListener();
        }
    }

    sim::VirtualClock clock_;
    sim::Scheduler scheduler_;
    sim::Record record_;
    sim::SimWindowSystem ws_;
    sim::SimGuiRuntime gui_;
    sim::SimHost host_;
    HostBridge bridge_;
    NoEvents events_;
    std::unique_ptr<FormWindow> form_;
    std::unique_ptr<ChatScanner> scanner_;
    std::map<long, Said> said_;
    std::set<long> history_, raised_;
    WindowHandle watched_ = 0;
    long next_id_ = 0, last_raised_ = -1;
};

// Printable words without markup, so the host shows them as said.
std::string Words(Bytes& in) {
    std::string w = in.Take(10);
    for (char& c : w) {
        c = static_cast<char>(' ' + static_cast<unsigned char>(c) % 95);
        if (c == '<' || c == '>') c = '.';
    }
    return w;
}

void Step(Harness& h, Bytes& in) {
    switch (in.Below(10)) {
        case 0:
        case 1:
        case 2:
            h.Say(in.Pick(kNames), Words(in));
            if (in.Bit()) h.Notice();
            break;
        case 3:
            for (std::size_t n = 1 + in.Below(4); n > 0; --n) h.Say(in.Pick(kNames), Words(in));
            break;
        case 4:
            h.Poll();
            break;
        case 5:
            h.Notice();
            break;
        case 6:
            h.host().SetTranscriptLimit(1 + in.Below(6));
            break;
        case 7:
            in.Bit() ? h.host().CloseRoom() : h.host().OpenRoom();
            break;
        case 8:
            h.host().OpenWindow("mail");
            break;
        case 9:
            in.Bit() ? h.host().Quit() : h.host().Start();
            break;
    }
}

}  // namespace
}  // namespace kn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kn::fuzz::Bytes in(data, size);
    kn::fuzz::Harness harness;
    harness.Start(!in.Bit());
    for (int steps = 0; steps < 200 && !in.empty(); ++steps) kn::fuzz::Step(harness, in);
    harness.Notice();
    return 0;
}
