// The designs of the program's four windows and of the main window's pop-up menu: every
// control with its position, caption and image, as the windows are loaded.
#pragma once

#include <string>
#include <vector>

#include "platform/gui_runtime.h"

namespace kn {

const FormDesign& Form1Design();
const FormDesign& Form2Design();
// The command list, its list holding `commands` in the order given.
FormDesign Form3Design(std::vector<std::string> commands);
// The missed-lines window, its list empty.
const FormDesign& Form4Design();
const MenuItem& Form1Menu();

// The program's title, the caption of its dialogs.
inline constexpr char kProgramTitle[] = "kelvar nook";

// The colour editor's colours as designed: what a first start saves and a missing entry reads as.
inline constexpr char kDefaultColour1[] = "c0c0c0";
inline constexpr char kDefaultColour2[] = "99ccff";

}  // namespace kn
