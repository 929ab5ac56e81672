// Everything one run of the simulator holds: the clock and event pump, the window system with
// the stand-in host, the profile store, the GUI runtime, and the program itself.
#pragma once

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "app/sim/script.h"
#include "core/program.h"
#include "platform/sim/iconv_code_page.h"
#include "platform/sim/ini_profile_store.h"
#include "platform/sim/record.h"
#include "platform/sim/sim_gui_runtime.h"
#include "platform/sim/sim_scheduler.h"
#include "platform/sim/sim_window_system.h"
#include "standin/sim/sim_host.h"

namespace kn::sim {

struct Options {
    std::string dir;
    std::string screen_name = "Owner";
    double speed = 0;  // 0: virtual time; otherwise real time this many times faster
    std::FILE* out = stdout;
};

// A runtime impossibility met by an event: the run stops with exit 2.
struct EventFault {
    int line;
    std::string what;
};

// The main window as `dump` names its state: "normal", "minimized" or "hidden".
const char* Form1State(SimForm* form1);

class World {
  public:
    explicit World(const Options& options);
    ~World();

    // Starts the host, then the program, and runs until the source has finished or the
    // program has ended. Returns the exit status: 0, or 2 after an event fault (reported on
    // standard error).
    int Run(EventSource& source);

    // Performs one event; throws EventFault.
    void Perform(const Event& event) { event.verb->perform(*this, event); }

    // What `click`, `type`, `close`, `dump` and `host busy` do.
    void Click(const Event& event);
    void TypeInto(const Event& event);
    void Close(const Event& event);
    void Dump();
    void HostBusy(Micros span) { busy_until_ = std::max(busy_until_, scheduler_.Now() + span); }

    // True when `event` is a click, key or close that the open handle prompt keeps from the
    // program's windows: it is then checked as usual but does nothing.
    bool HeldByPrompt(const Event& event) const;

    SimHost& host() { return host_; }
    SimGuiRuntime& gui() { return gui_; }
    Record& record() { return record_; }
    Scheduler& scheduler() { return scheduler_; }
    Program& program() { return *program_; }
    bool ended() const { return ended_; }

  private:
    SimForm& LoadedForm(const Event& event, std::string_view name);

    std::unique_ptr<Clock> clock_;
    Scheduler scheduler_;
    Record record_;
    SimWindowSystem ws_;
    IconvCodePage cp_;
    IniProfileStore profiles_;
    SimGuiRuntime gui_;
    SimHost host_;
    std::unique_ptr<Program> program_;
    bool ended_ = false;
    Micros poll_posted_at_ = -1;  // a wake-up of the scanner is pending for this time
    Micros busy_until_ = 0;       // the host answers no message before this time
};

}  // namespace kn::sim
