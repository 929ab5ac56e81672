// The idle session and its minute clock. The session's on/off is Timer1's enabled flag, the
// clock's minutes and hours the decimal captions of Label2 and Label4; nothing else holds them.
#pragma once

namespace kn {

class Program;

void StartIdleSession(Program& program);
void EndIdleSession(Program& program);
void ResetIdleClock(Program& program);
// The minute tick of Timer1: the clock one minute on, and the two idle lines.
void IdleTick(Program& program);

}  // namespace kn
