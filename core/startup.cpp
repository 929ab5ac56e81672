// Start-up, exit and unload, step by step in the order the room and the settings file
// must see them.
#include "core/startup.h"

#include <cstdlib>
#include <string>
#include <string_view>

#include "core/chat_lines.h"
#include "core/handle_prompt.h"
#include "core/program.h"
#include "core/settings_file.h"
#include "windows/designs.h"
#include "windows/forms.h"

namespace kn {

namespace {

// A colour missing from the file reads as its default: the handle's write makes the file, so
// an exit or a kill before the colours are written, or the owner's "handle" while the first
// start's prompt is open, leaves a file without them, and every later start would post
// "color=#". A colour that is there but empty is the owner's, and stays empty.
void LoadSettings(Program& p) {
    Form1& form1 = p.form1();
    form1.Text1.SetText(ReadIni(p, "prefs", "reason", SettingsPath(p)));
    form1.Label5.SetText(ReadIni(p, "prefs", "handle", SettingsPath(p)));
    p.form2().Text1.SetText(ReadIni(p, "prefs", "color1", SettingsPath(p), kDefaultColour1));
    p.form2().Text2.SetText(ReadIni(p, "prefs", "color2", SettingsPath(p), kDefaultColour2));
}

// The handle's write makes the file; the colours go into it at once, before the announcement
// lets an exit run, so the file names them as soon as it can. Writing them again after the
// announcement changes no byte unless they changed.
void FirstStart(Program& p) {
    AskForHandle(p);
    p.form2().Text1.SetText(kDefaultColour1);
    p.form2().Text2.SetText(kDefaultColour2);
    SaveColours(p);
}

// Only into a file that a start or the owner's "handle" made, or a start found: an exit while
// the first start's handle prompt is open would otherwise make a file of the reason alone, and
// the next start would take it for a later start with an empty handle. Writing nothing leaves
// the disk as the program found it, so the next start is a first start again.
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
    Form3& form3 = p.form3();  // loads the command list, its load handler run
    form3.Label1.SetText(std::to_string(form3.List1.ItemCount()));
    // Either way the colour editor is first asked for, and so loaded, in here.
    if (FileExists(p, SettingsPath(p))) {
        LoadSettings(p);
    } else {
        FirstStart(p);
    }
    AnnounceLoaded(p);
    SaveColours(p);
    if (form1.Label5.Text().empty()) AskForHandle(p);
}

// The icon goes first: the goodbye lines take a while, and a click on the icon meanwhile
// would run a handler of a program that is ending. The reason is saved before the pause
// between the banners, so that a kill inside it keeps the reason of the moment of the exit,
// and again after it, so that a reason the room saw confirmed inside the pause is the one kept.
void ExitProgram(Program& p) {
    p.form1().Icon().Remove();
    SaveReason(p);
    AnnounceUnloaded(p);
    SaveReason(p);
    p.gui().EndProcess();
    std::abort();  // not reached: EndProcess ends the process or unwinds out of the run
}

}  // namespace kn
