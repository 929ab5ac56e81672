// Each window's handlers, bound to the running program: what its events do.
#pragma once

#include <memory>

#include "windows/forms.h"

namespace kn {

class Program;

std::unique_ptr<Form1Handlers> MakeForm1Handlers(Program& program);
std::unique_ptr<Form2Handlers> MakeForm2Handlers(Program& program);
std::unique_ptr<Form3Handlers> MakeForm3Handlers(Program& program);
std::unique_ptr<Form4Handlers> MakeForm4Handlers(Program& program);

}  // namespace kn
