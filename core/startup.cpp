// Start-up, exit and unload, step by step in the order the room and the settings file
// must see them.
#include "core/startup.h"

#include <cstdlib>
#include <string>

#include "core/chat_lines.h"
#include "core/handle_prompt.h"
#include "core/program.h"
#include "core/settings_file.h"
#include "windows/forms.h"

namespace kn {

namespace {

void LoadSettings(Program& p) {
    Form1& form1 = p.form1();
    form1.Text1.SetText(ReadIni(p, "prefs", "reason", SettingsPath(p)));
    form1.Label5.SetText(ReadIni(p, "prefs", "handle", SettingsPath(p)));
    p.form2().Text1.SetText(ReadIni(p, "prefs", "color1", SettingsPath(p)));
    p.form2().Text2.SetText(ReadIni(p, "prefs", "color2", SettingsPath(p)));
}

void WriteColours(Program& p) {
    WriteIni(p, "prefs", "color1", p.form2().Text1.Text(), SettingsPath(p));
    WriteIni(p, "prefs", "color2", p.form2().Text2.Text(), SettingsPath(p));
}

// The handle's write makes the file; the colours go into it at once, before the announcement
// lets an exit run: a file left with the handle alone would give every later start empty
// colours. Writing them again after the announcement changes no byte unless they changed.
void FirstStart(Program& p) {
    AskForHandle(p);
    p.form2().Text1.SetText("c0c0c0");
    p.form2().Text2.SetText("99ccff");
    WriteColours(p);
}

// Only into a file that a start made or found: an exit while the first start's handle prompt
// is open would otherwise make a file of the reason alone, from which every later start reads
// empty colours. Writing nothing leaves the disk as the program found it, so the next start is
// a first start again; that changes nothing else, where a file completed here would have to
// guess a handle and colours that no start has set.
void SaveReason(Program& p) {
    const std::string path = SettingsPath(p);
    if (!FileExists(p, path)) return;
    WriteIni(p, "prefs", "reason", p.form1().Text1.Text(), path);
}

}  // namespace

void StayOnTop(Program& program, FormWindow& window) {
    program.window_system().MakeTopmost(window.Handle());
}

void StartUp(Program& p) {
    Form1& form1 = p.form1();
    form1.VexoScan1().StartScan();
    StayOnTop(p, form1.window());
    Form3& form3 = p.form3();
    form3.Label1.SetText(std::to_string(form3.List1.ItemCount()));
    if (FileExists(p, SettingsPath(p))) {
        LoadSettings(p);
    } else {
        FirstStart(p);
    }
    AnnounceLoaded(p);
    WriteColours(p);
    if (form1.Label5.Text().empty()) AskForHandle(p);
}

// The icon goes first: the goodbye lines take a while, and a click on the icon meanwhile
// would run a handler of a program that is ending.
void ExitProgram(Program& p) {
    p.form1().Icon().Remove();
    SaveReason(p);
    AnnounceUnloaded(p);
    p.gui().EndProcess();
    std::abort();  // not reached: EndProcess ends the process or unwinds out of the run
}

}  // namespace kn
