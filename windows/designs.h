// The designs of the program's four windows and of the main window's pop-up menu: every
// control with its position, caption and image, as the windows are loaded.
#pragma once

#include <string>
#include <vector>

#include "platform/gui_runtime.h"

namespace kn {

const FormDesign& Form1Design();
const FormDesign& Form2Design();
// The command list, its list holding `commands` in alphabetical order.
FormDesign Form3Design(std::vector<std::string> commands);
// The missed-lines window, its list empty.
const FormDesign& Form4Design();
const MenuItem& Form1Menu();

// The program's title, the caption of its dialogs.
inline constexpr char kProgramTitle[] = "kelvar nook";

}  // namespace kn
