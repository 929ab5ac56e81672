// The banner lines and the colour preview, piece by piece as the room must receive them.
#include "core/chat_lines.h"

#include "windows/forms.h"
#include "windows/program.h"

namespace kn {

std::string Color1(Program& program) {
    return program.form2().Text1.Text();
}
std::string Color2(Program& program) {
    return program.form2().Text2.Text();
}
std::string Handle(Program& program) {
    return program.form1().Label5.Text();
}
std::string Reason(Program& program) {
    return program.form1().Text1.Text();
}

std::string Cat(std::initializer_list<std::string_view> pieces) {
    std::string line;
    for (std::string_view piece : pieces) line += piece;
    return line;
}

std::string UserBannerLine(Program& p) {
    const std::string c1 = Color1(p), c2 = Color2(p);
    return Cat({"</b><font color=#", c1, " face=\"tahoma\">            › <font color=#", c2,
                ">k<font color=#", c1, ">elvar <font color=#", c2, ">›<font color=#", c1,
                "> user<font color=#", c2, ">   ›<font color=#", c1, "> ", Handle(p)});
}

std::string LoadedBannerLine(Program& p) {
    const std::string c1 = Color1(p), c2 = Color2(p);
    return Cat({"</b><font color=#", c1, " face=\"tahoma\">            › <font color=#", c2,
                ">n<font color=#", c1, ">ook      <font color=#", c2, ">›<font color=#", c1,
                "> status<font color=#", c2, "> ›<font color=#", c1, "> loaded"});
}

std::string UnloadedBannerLine(Program& p) {
    const std::string c1 = Color1(p), c2 = Color2(p);
    return Cat({"</b><font color=#", c1, " face=\"tahoma\">            › <font color=#", c2,
                ">n<font color=#", c1, ">ook      <font color=#", c2, ">›<font color=#", c1,
                "> status<font color=#", c2, "> ›<font color=#", c1, "> <font color=#", c1,
                ">unloaded"});
}

std::string ColorPreviewLine(Program& p) {
    const std::string c1 = Color1(p), c2 = Color2(p);
    return Cat({"</b><font color=#", c1, " face=\"tahoma\">            › <font color=#", c2,
                ">k<font color=#", c1, ">elvar <font color=#", c2, ">n<font color=#", c1,
                ">ook <font color=#", c2, "> › <font color=#", c1, "> colors preview"});
}

std::string Head2(Program& p) {
    return Cat(
        {"</b><font color=#", Color1(p), " face=\"tahoma\">            ›<font color=#", Color2(p)});
}

void AnnounceLoaded(Program& p) {
    p.bridge().ChatSend(UserBannerLine(p));
    p.bridge().Pause(kLinePause);
    p.bridge().ChatSend(LoadedBannerLine(p));
}

void AnnounceUnloaded(Program& p) {
    p.bridge().ChatSend(UserBannerLine(p));
    p.bridge().Pause(kLinePause);
    p.bridge().ChatSend(UnloadedBannerLine(p));
}

}  // namespace kn
