// Window designs: positions in twips as left, top, width, height; controls inside the main
// window's background are placed relative to it.
#include "windows/designs.h"

#include <map>

#include "windows/skin.h"

namespace kn {

namespace {

ControlDesign Make(ControlKind kind, const char* name, TwipRect pos, const char* text, int tab,
                   const char* container = "") {
    ControlDesign c;
    c.name = name;
    c.kind = kind;
    c.pos = pos;
    c.text = text;
    c.container = container;
    c.tab_index = tab;
    return c;
}

ControlDesign Picture(const char* name, TwipRect pos, const char* container = "") {
    ControlDesign c = Make(ControlKind::Picture, name, pos, "", -1, container);
    c.art = SkinImage(name);
    return c;
}

// A skin button: a picture box that takes the focus; `spoken` names it to screen readers.
ControlDesign SkinButton(const char* name, TwipRect pos, const char* spoken, int tab) {
    ControlDesign c = Picture(name, pos, "Picture1");
    c.text = spoken;
    c.tab_index = tab;
    return c;
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
    ControlDesign c = Make(ControlKind::Label, "Label6",
                           {870, 750, kSignWidth * 15, kSignHeight * 15}, "ok", -1, "Picture1");
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
    FormDesign f = Form("Form1", kProgramTitle, FormStyle::Skinned, 1815, 1320);
    f.icon = "Form1";
    f.controls = {
        Picture("Picture1", {0, 0, 1815, 1335}),                     // the skin background
        SkinButton("Picture2", {1320, 0, 255, 255}, "minimize", 2),  // minimise
        SkinButton("Picture3", {1320, 960, 495, 255}, "menu", 1),    // ops: the menu
        Picture("Picture7", {840, 0, 495, 255}, "Picture1"),         // the word hrs
        Picture("Picture6", {0, 0, 495, 255}, "Picture1"),           // the word mins
        SkinButton("Picture5", {1560, 0, 255, 255}, "exit", 3),      // X: exit
        Make(ControlKind::TextField, "Text1", {0, 960, 1335, 255}, "", 0, "Picture1"),  // reason
        Make(ControlKind::Label, "Label4", {840, 240, 375, 255}, "0", -1, "Picture1"),  // hours
        Make(ControlKind::Label, "Label2", {0, 240, 255, 255}, "0", -1, "Picture1"),    // minutes
        // The handle: empty until known, as its caption is posted in the user banner line.
        Make(ControlKind::Label, "Label5", {1200, 2040, 1215, 255}, "", -1),
        Sign(),
    };
    const std::map<std::string, const char*> spoken = {
        {"Text1", "reason"}, {"Label4", "hours idle"}, {"Label2", "minutes idle"}};
    for (auto& c : f.controls) {
        if (spoken.contains(c.name)) c.spoken_name = spoken.at(c.name);
    }
    return f;
}

// A label 255 twips high reached 15 twips into the field below it and painted over its top
// border, so the editor's and the list's labels end where their fields begin.
constexpr int kLabelHeight = 240;

FormDesign MakeForm2() {
    FormDesign f = Form("Form2", "chatsend color editor", FormStyle::ToolWindow, 2325, 1245);
    f.controls = {
        Make(ControlKind::Label, "Label1", {0, 0, 735, kLabelHeight}, "color 1", 1),
        Make(ControlKind::TextField, "Text1", {240, 240, 1095, 285}, kDefaultColour1, 0),
        Make(ControlKind::Label, "Label2", {0, 600, 855, kLabelHeight}, "color 2", 2),
        Make(ControlKind::TextField, "Text2", {240, 840, 1095, 285}, kDefaultColour2, 3),
        Make(ControlKind::Button, "Command4", {1440, 120, 735, 255}, "preview", 6),
        Make(ControlKind::Button, "Command1", {1440, 480, 735, 255}, "save", 4),
        Make(ControlKind::Button, "Command2", {1440, 840, 735, 255}, "ok", 5),  // hides it
    };
    f.controls[1].named_by = "Label1";
    f.controls[3].named_by = "Label2";
    return f;
}

FormDesign MakeForm3(std::vector<std::string> commands) {
    FormDesign f = Form("Form3", "commands", FormStyle::ToolWindow, 4125, 1260);
    ControlDesign list = Make(ControlKind::ListBox, "List1", {0, 240, 4095, 1005}, "", 0);
    list.items = std::move(commands);
    list.spoken_name = "commands";  // the label above it is the count
    f.controls = {Make(ControlKind::Label, "Label1", {0, 0, 375, kLabelHeight}, "", 1),  // count
                  list};
    return f;
}

// Wide enough for a line of the room at its usual length; the list names itself to screen
// readers, as the count above it is a value, not its name.
FormDesign MakeForm4() {
    FormDesign f = Form("Form4", "missed", FormStyle::ToolWindow, 6015, 2520);
    ControlDesign list = Make(ControlKind::ListBox, "List1", {0, 240, 6015, 2280}, "", 0);
    list.spoken_name = "missed lines";
    f.controls = {Make(ControlKind::Label, "Label1", {0, 0, 6015, 255}, "", 1),  // the count
                  list};
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

const MenuItem& Form1Menu() {
    static const MenuItem menu = MakeMenu();
    return menu;
}

}  // namespace kn
