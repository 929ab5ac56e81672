// The program's life from the loading of its main window to the end of its process:
// start-up, the exit sequence and the main window's unload handler.
#pragma once

namespace kn {

class Program;
class FormWindow;

// Start-up, the main window's load handler.
void StartUp(Program& program);

// Saves the reason, announces the unloading and ends the process; never returns.
[[noreturn]] void ExitProgram(Program& program);

// Makes `window` topmost without moving or sizing it.
void StayOnTop(Program& program, FormWindow& window);

}  // namespace kn
