// The designs of the program's four windows and of the main window's pop-up menu: every
// control with its position, caption and image, as the windows are loaded.
#pragma once

#include <string>
#include <vector>

#include "platform/gui_runtime.h"

namespace kn {

// Each window's controls by their places in its design, named as the design names them: a
// program that reaches a control through these can't misspell it, and the design checks, as it
// is built, that each control stands at its place here.
namespace form1 {
enum Place : ControlIndex {
    Picture1,
    Picture2,
    Picture3,
    Picture7,
    Picture6,
    Picture5,
    Text1,
    Label4,
    Label2,
    Label5,
    Label6
};
}  // namespace form1
namespace form2 {
enum Place : ControlIndex { Label1, Text1, Label2, Text2, Command4, Command1, Command2 };
}  // namespace form2
namespace form3 {
enum Place : ControlIndex { Label1, List1 };
}  // namespace form3
namespace form4 {
enum Place : ControlIndex { Label1, List1 };
}  // namespace form4

const FormDesign& Form1Design();
const FormDesign& Form2Design();
// The command list, its list holding `commands` in the order given.
FormDesign Form3Design(std::vector<std::string> commands);
// The missed-lines window, its list empty.
const FormDesign& Form4Design();

// The main window's pop-up menu: `root` to pop up, and each of its items as itself, the very
// object a choice of it comes back as.
struct Form1MenuDesign {
    Form1MenuDesign();
    Form1MenuDesign(const Form1MenuDesign&) = delete;
    Form1MenuDesign& operator=(const Form1MenuDesign&) = delete;

    const MenuItem root;
    const MenuItem &mnuidle, &mnuon, &mnuoff, &mnucolors, &mnuhandle, &mnucommands, &mnuminimize,
        &mnuexit;
};
const Form1MenuDesign& Form1Menu();

// The program's title, the caption of its dialogs.
inline constexpr char kProgramTitle[] = "kelvar nook";

// The colour editor's colours as designed: what a first start saves and a missing entry reads as.
inline constexpr char kDefaultColour1[] = "c0c0c0";
inline constexpr char kDefaultColour2[] = "99ccff";

}  // namespace kn
