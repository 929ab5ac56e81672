// The stand-in host and the host bridge on a bare simulated window system, without the
// program: what the bridge and the chat scanner are tested on alone.
#pragma once

#include "bridge/host_bridge.h"
#include "platform/sim/iconv_code_page.h"
#include "platform/sim/sim_gui_runtime.h"
#include "standin/sim/sim_host.h"

namespace kn::test {

// A form's events heeded by no one: what hosts a scanner's timer without the program.
class NoEvents final : public FormEvents {
  public:
    void Click(ControlIndex) override {}
    void ContextMenu(ControlIndex) override {}
    void MenuChosen(const MenuItem&) override {}
    void CloseRequested() override {}
};

struct BareHost {
    sim::VirtualClock clock;
    sim::Scheduler scheduler{clock};
    sim::Record record{scheduler, nullptr};
    sim::SimWindowSystem ws;
    IconvCodePage cp;
    sim::SimGuiRuntime gui{scheduler, ws, record, "/nonexistent"};  // no file is read or written
    sim::SimHost host{ws, cp, record, "Owner"};
    HostBridge bridge{ws, cp, gui};
};

}  // namespace kn::test
