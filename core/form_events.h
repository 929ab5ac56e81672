// Each window's event table: the name of every event the program handles on that window,
// bound to its handler.
#pragma once

#include "windows/forms.h"

namespace kn {

class Program;

EventTable Form1Events(Program& program);
EventTable Form2Events(Program& program);
EventTable Form3Events(Program& program);

}  // namespace kn
