// Asking the owner for the handle: the modal prompt, its answer taken exactly as typed into
// the hidden handle label, and saved at once.
#pragma once

namespace kn {

class Program;

void AskForHandle(Program& program);

}  // namespace kn
