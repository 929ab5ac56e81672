// Window designs: positions in twips as left, top, width, height; controls inside the main
// window's background are placed relative to it.
#include "windows/designs.h"

#include <cstdlib>
#include <map>
#include <utility>

#include "windows/skin.h"

namespace kn {

namespace {

ControlDesign Make(ControlKind kind, const char* name, TwipRect pos, const char* text, int tab,
                   ControlIndex container = kNoControl) {
    ControlDesign c;
    c.name = name;
    c.kind = kind;
    c.pos = pos;
    c.text = text;
    c.container = container;
    c.tab_index = tab;
    return c;
}

ControlDesign Picture(const char* name, TwipRect pos, ControlIndex container = kNoControl) {
    ControlDesign c = Make(ControlKind::Picture, name, pos, "", -1, container);
    c.art = SkinImage(name);
    return c;
}

// A skin button: a picture box that takes the focus; `spoken` names it to screen readers.
ControlDesign SkinButton(const char* name, TwipRect pos, const char* spoken, int tab) {
    ControlDesign c = Picture(name, pos, form1::Picture1);
    c.text = spoken;
    c.tab_index = tab;
    return c;
}

// The controls in design order, each given with the place the program reaches it by. A list
// that strays from those places is a slip in the program: it stops at once, as the design is
// built, rather than bind a control to another's handlers.
std::vector<ControlDesign> InPlaces(
    const std::vector<std::pair<ControlIndex, ControlDesign>>& placed) {
    std::vector<ControlDesign> controls;
    for (const auto& [place, control] : placed) {
        if (place != controls.size()) std::abort();
        controls.push_back(control);
    }
    return controls;
}

FormDesign Form(const char* name, const char* caption, FormStyle style, int width, int height) {
    FormDesign f;
    f.name = name;
    f.caption = caption;
    f.style = style;
    f.client_width = width;
    f.client_height = height;
    return f;
}

// What each of the sign's words means and what to do, for its tooltip; none while all is well.
std::string SignTip(std::string_view word) {
    static const std::map<std::string_view, const char*> kTips = {
        {"no host", "The host client is not running: lines are not reaching anyone."},
        {"no room", "No chat room is open: lines are not reaching anyone."},
        {"signed off",
         "Nobody is signed on in the host client: commands typed in the room go unrecognised."},
        {"unheard",
         "The last line did not reach the room: the host did not take it or never showed it."},
    };
    const auto tip = kTips.find(word);
    return tip == kTips.end() ? "" : tip->second;
}

// The sign, right of the word "reason", in the one gap the skin leaves between rule and field.
ControlDesign Sign() {
    ControlDesign c =
        Make(ControlKind::Label, "Label6", {870, 750, kSignWidth * 15, kSignHeight * 15}, "ok", -1,
             form1::Picture1);
    c.status = true;
    c.drawn = SignImage;
    c.tip = SignTip;
    c.spoken_name = "sign";
    return c;
}

// The caption names the window on the taskbar, in Alt+Tab and to screen readers; it shows
// nowhere else, as the window has no title bar. (It was empty, which named it nowhere.)
// The minimise button sits in the background like the other skin buttons rather than on it
// (so after it in the list): the same place on screen, and Tab then runs reason, ops,
// minimise, exit within one container.
FormDesign MakeForm1() {
    using namespace form1;
    FormDesign f = Form("Form1", kProgramTitle, FormStyle::Skinned, 1815, 1320);
    f.icon = "Form1";
    constexpr ControlIndex skin = Picture1;
    f.controls = InPlaces({
        {Picture1, Picture("Picture1", {0, 0, 1815, 1335})},                     // the skin
        {Picture2, SkinButton("Picture2", {1320, 0, 255, 255}, "minimize", 2)},  // minimise
        {Picture3, SkinButton("Picture3", {1320, 960, 495, 255}, "menu", 1)},    // ops: the menu
        {Picture7, Picture("Picture7", {840, 0, 495, 255}, skin)},               // the word hrs
        {Picture6, Picture("Picture6", {0, 0, 495, 255}, skin)},                 // the word mins
        {Picture5, SkinButton("Picture5", {1560, 0, 255, 255}, "exit", 3)},      // X: exit
        {Text1, Make(ControlKind::TextField, "Text1", {0, 960, 1335, 255}, "", 0, skin)},
        {Label4, Make(ControlKind::Label, "Label4", {840, 240, 375, 255}, "0", -1, skin)},
        {Label2, Make(ControlKind::Label, "Label2", {0, 240, 255, 255}, "0", -1, skin)},
        // The handle: empty until known, as its caption is posted in the user banner line.
        {Label5, Make(ControlKind::Label, "Label5", {1200, 2040, 1215, 255}, "", -1)},
        {Label6, Sign()},
    });
    f.controls[Text1].spoken_name = "reason";
    f.controls[Label4].spoken_name = "hours idle";
    f.controls[Label2].spoken_name = "minutes idle";
    return f;
}

// A label 255 twips high reached 15 twips into the field below it and painted over its top
// border, so the editor's and the list's labels end where their fields begin.
constexpr int kLabelHeight = 240;

FormDesign MakeForm2() {
    using namespace form2;
    FormDesign f = Form("Form2", "chatsend color editor", FormStyle::ToolWindow, 2325, 1245);
    f.controls = InPlaces({
        {Label1, Make(ControlKind::Label, "Label1", {0, 0, 735, kLabelHeight}, "color 1", 1)},
        {Text1, Make(ControlKind::TextField, "Text1", {240, 240, 1095, 285}, kDefaultColour1, 0)},
        {Label2, Make(ControlKind::Label, "Label2", {0, 600, 855, kLabelHeight}, "color 2", 2)},
        {Text2, Make(ControlKind::TextField, "Text2", {240, 840, 1095, 285}, kDefaultColour2, 3)},
        {Command4, Make(ControlKind::Button, "Command4", {1440, 120, 735, 255}, "preview", 6)},
        {Command1, Make(ControlKind::Button, "Command1", {1440, 480, 735, 255}, "save", 4)},
        {Command2, Make(ControlKind::Button, "Command2", {1440, 840, 735, 255}, "ok", 5)},  // hides
    });
    f.controls[Text1].named_by = Label1;
    f.controls[Text2].named_by = Label2;
    return f;
}

FormDesign MakeForm3(std::vector<std::string> commands) {
    using namespace form3;
    FormDesign f = Form("Form3", "commands", FormStyle::ToolWindow, 4125, 1260);
    ControlDesign list = Make(ControlKind::ListBox, "List1", {0, 240, 4095, 1005}, "", 0);
    list.items = std::move(commands);
    list.spoken_name = "commands";  // the label above it is the count
    f.controls = InPlaces({
        {Label1, Make(ControlKind::Label, "Label1", {0, 0, 375, kLabelHeight}, "", 1)},  // count
        {List1, std::move(list)},
    });
    return f;
}

// Wide enough for a line of the room at its usual length; the list names itself to screen
// readers, as the count above it is a value, not its name.
FormDesign MakeForm4() {
    using namespace form4;
    FormDesign f = Form("Form4", "missed", FormStyle::ToolWindow, 6015, 2520);
    ControlDesign list = Make(ControlKind::ListBox, "List1", {0, 240, 6015, 2280}, "", 0);
    list.spoken_name = "missed lines";
    f.controls = InPlaces({
        {Label1, Make(ControlKind::Label, "Label1", {0, 0, 6015, 255}, "", 1)},  // the count
        {List1, std::move(list)},
    });
    return f;
}

MenuItem MakeMenu() {
    return {"menu",
            "menu",
            {{"mnuidle", "idle", {{"mnuon", "on", {}}, {"mnuoff", "off", {}}}},
             {"mnucolors", "colors", {}},
             {"mnuhandle", "handle", {}},
             {"mnucommands", "commands", {}},
             {"mnuminimize", "minimize", {}},
             {"mnuexit", "exit", {}}}};
}

}  // namespace

const FormDesign& Form1Design() {
    static const FormDesign design = MakeForm1();
    return design;
}

const FormDesign& Form2Design() {
    static const FormDesign design = MakeForm2();
    return design;
}

FormDesign Form3Design(std::vector<std::string> commands) {
    return MakeForm3(std::move(commands));
}

const FormDesign& Form4Design() {
    static const FormDesign design = MakeForm4();
    return design;
}

// Each item bound where MakeMenu puts it; a story that chooses each item by its name holds
// the two together.
Form1MenuDesign::Form1MenuDesign()
    : root(MakeMenu()),
      mnuidle(root.children[0]),
      mnuon(mnuidle.children[0]),
      mnuoff(mnuidle.children[1]),
      mnucolors(root.children[1]),
      mnuhandle(root.children[2]),
      mnucommands(root.children[3]),
      mnuminimize(root.children[4]),
      mnuexit(root.children[5]) {}

const Form1MenuDesign& Form1Menu() {
    static const Form1MenuDesign menu;
    return menu;
}

}  // namespace kn
