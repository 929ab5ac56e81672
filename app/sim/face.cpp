// Reading the face from the simulated windows, control by control, as the program itself
// reads them; a window that isn't loaded shows as hidden.
#include "app/sim/face.h"

#include "app/sim/world.h"
#include "windows/designs.h"
#include "windows/forms.h"

namespace kn::sim {

Face ReadFace(World& world) {
    SimGuiRuntime& gui = world.gui();
    Face face;
    SimForm* f1 = gui.Form("Form1");
    face.window = Form1State(f1);
    if (f1) {
        face.minutes = f1->Text(form1::Label2);
        face.hours = f1->Text(form1::Label4);
        face.reason = f1->Text(form1::Text1);
        face.sign = f1->Text(form1::Label6);
    }
    face.idle_on = gui.TimerEnabled("Form1", Form1::kTimer1Id);
    if (SimForm* f2 = gui.Form("Form2"); f2 && f2->Visible()) {
        face.colours_shown = true;
        face.colour1 = f2->Text(form2::Text1);
        face.colour2 = f2->Text(form2::Text2);
    }
    if (SimForm* f3 = gui.Form("Form3"); f3 && f3->Visible()) {
        face.commands_shown = true;
        face.command_count = f3->Text(form3::Label1);
    }
    return face;
}

}  // namespace kn::sim
