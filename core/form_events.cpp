// The windows' event handlers, under the names of the events they handle, and the tables that
// bind them. Start-up, the idle tick and the chat line have their own files.
#include "core/form_events.h"

#include "core/chat_lines.h"
#include "core/dispatcher.h"
#include "core/handle_prompt.h"
#include "core/idle_session.h"
#include "core/program.h"
#include "core/settings_file.h"
#include "core/startup.h"
#include "windows/designs.h"

namespace kn {

namespace {

void Form1_Picture2_Click(Program& p) {
    p.form1().window().SetState(WindowState::Minimized);
}

void Form1_Picture3_Click(Program& p) {
    p.form1().window().PopupMenu(Form1Menu(), "Picture3");
}

// The menu from the keyboard, on any skin button: at ops, where a click would open it.
void Form1_Form_ContextMenu(Program& p) {
    p.form1().window().PopupMenu(Form1Menu(), "Picture3");
}

void Form1_Picture5_Click(Program& p) {
    ExitProgram(p);
}

void Form1_mnuon_Click(Program& p) {
    StartIdleSession(p);
}

void Form1_mnuoff_Click(Program& p) {
    EndIdleSession(p);
}

void Form1_mnucolors_Click(Program& p) {
    p.form2().window().ShowBeside(p.form1().window(), Activation::Activate);
}

void Form1_mnuhandle_Click(Program& p) {
    AskForHandle(p);
}

void Form1_mnucommands_Click(Program& p) {
    p.form3().window().ShowBeside(p.form1().window(), Activation::Activate);
}

void Form1_mnuminimize_Click(Program& p) {
    p.form1().window().SetState(WindowState::Minimized);
}

void Form1_mnuexit_Click(Program& p) {
    ExitProgram(p);
}

void Form2_Form_Load(Program& p) {
    StayOnTop(p, p.form2().window());
}

void Form2_Command1_Click(Program& p) {
    WriteIni(p, "prefs", "color1", p.form2().Text1.Text(), SettingsPath(p));
    WriteIni(p, "prefs", "color2", p.form2().Text2.Text(), SettingsPath(p));
}

void Form2_Command2_Click(Program& p) {
    p.form2().window().Hide();
}

void Form2_Command4_Click(Program& p) {
    SayColorPreview(p);
}

// Hidden like "ok" does, the unload cancelled: unloading would put the design's colours back
// in force.
void Form2_Form_Unload(Program& p) {
    p.form2().window().Hide();
}

void Form3_Form_Load(Program& p) {
    StayOnTop(p, p.form3().window());
}

// Hidden rather than unloaded, so the count set at start-up stays.
void Form3_Form_Unload(Program& p) {
    p.form3().window().Hide();
}

EventHandler On(Program& p, void (*handler)(Program&)) {
    return [&p, handler](EventArgs) { handler(p); };
}

EventHandler On(Program& p, void (*handler)(Program&, const std::string&, const std::string&)) {
    return [&p, handler](EventArgs args) { handler(p, args[0], args[1]); };
}

}  // namespace

EventTable Form1Events(Program& p) {
    return {
        {"Form_Load", On(p, Form1_Form_Load)},
        {"Timer1_Timer", On(p, Form1_Timer1_Timer)},
        {"VexoScan1_ChatLine", On(p, Form1_VexoScan1_ChatLine)},
        {"Picture2_Click", On(p, Form1_Picture2_Click)},
        {"Picture3_Click", On(p, Form1_Picture3_Click)},
        {"Picture5_Click", On(p, Form1_Picture5_Click)},
        {"Form_ContextMenu", On(p, Form1_Form_ContextMenu)},
        {"mnuon_Click", On(p, Form1_mnuon_Click)},
        {"mnuoff_Click", On(p, Form1_mnuoff_Click)},
        {"mnucolors_Click", On(p, Form1_mnucolors_Click)},
        {"mnuhandle_Click", On(p, Form1_mnuhandle_Click)},
        {"mnucommands_Click", On(p, Form1_mnucommands_Click)},
        {"mnuminimize_Click", On(p, Form1_mnuminimize_Click)},
        {"mnuexit_Click", On(p, Form1_mnuexit_Click)},
        {"Form_Unload", On(p, Form1_Form_Unload)},
    };
}

EventTable Form2Events(Program& p) {
    return {
        {"Form_Load", On(p, Form2_Form_Load)},
        {"Command1_Click", On(p, Form2_Command1_Click)},
        {"Command2_Click", On(p, Form2_Command2_Click)},
        {"Command4_Click", On(p, Form2_Command4_Click)},
        {"Form_Unload", On(p, Form2_Form_Unload)},
    };
}

EventTable Form3Events(Program& p) {
    return {
        {"Form_Load", On(p, Form3_Form_Load)},
        {"Form_Unload", On(p, Form3_Form_Unload)},
    };
}

}  // namespace kn
