// The icon's look is read afresh from the main window's controls each time the platform asks:
// the idle session and its clock, the reason and the sign keep no copy here, and the idle and
// member-line paths do nothing for the icon.
#include "core/notify_icon.h"

#include "core/program.h"
#include "windows/forms.h"

namespace kn {

namespace {

std::string IdleLine(const IconFacts& f) {
    if (!f.idle) return "idle session off";
    std::string line = "idle session on, ";
    if (!f.hours.empty() && f.hours != "0") line += f.hours + " h ";
    return line + (f.minutes.empty() ? "0" : f.minutes) + " min";
}

}  // namespace

NotifyLook LookOf(const IconFacts& f) {
    const std::string sign = f.sign.empty() ? "ok" : f.sign;
    return {f.idle, sign != "ok",
            "kelvar nook\n" + IdleLine(f) + "\nsign: " + sign +
                "\nreason: " + (f.reason.empty() ? "none" : f.reason)};
}

std::string SignWord(Program& p) {
    const std::string word = p.form1().Label6.Text();
    return word.empty() ? "ok" : word;
}

void ShowNotifyIcon(Program& p) {
    Form1& f = p.form1();
    f.Icon().Show(LookOf(
        {f.Timer1().Enabled(), f.Label2.Text(), f.Label4.Text(), f.Text1.Text(), SignWord(p)}));
}

// Restored first, so that a window hidden while minimised comes back at its size.
void RestoreFromIcon(Program& p) {
    FormWindow& w = p.form1().window();
    w.SetState(WindowState::Normal);
    w.Show(Activation::Activate);
    w.BringToFront();
}

}  // namespace kn
