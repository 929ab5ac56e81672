// The program's life from the loading of its main window to the end of its process:
// start-up, the exit sequence and the main window's unload handler.
#pragma once

namespace kn {

class Program;
class FormWindow;

// The main window's load handler: start-up.
void Form1_Form_Load(Program& program);

// Saves the reason, announces the unloading and ends the process; never returns.
[[noreturn]] void ExitProgram(Program& program);

// The main window closed from outside the program.
[[noreturn]] void Form1_Form_Unload(Program& program);

// Makes `window` topmost without moving or sizing it.
void StayOnTop(Program& program, FormWindow& window);

}  // namespace kn
