// The designs of the program's three windows and of the main window's pop-up menu: every
// control with its position, caption and image, as the windows are loaded.
#pragma once

#include "platform/gui_runtime.h"

namespace kn {

const FormDesign& Form1Design();
const FormDesign& Form2Design();
const FormDesign& Form3Design();
const MenuItem& Form1Menu();

// The program's title, the caption of its dialogs.
inline constexpr char kProgramTitle[] = "kelvar nook";

}  // namespace kn
