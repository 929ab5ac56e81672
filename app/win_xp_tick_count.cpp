// The 32-bit kelvarnook.exe loads on Windows XP: the thread library linked in statically
// calls GetTickCount64, which kernel32 has only from Vista on, through its import slot. This
// defines that slot, so the exe imports nothing newer than XP and the call still works there.
#include <windows.h>

namespace {

// Milliseconds of the performance counter, which XP has and which never wraps; the library
// uses the tick count only for intervals, so its origin does not matter.
ULONGLONG WINAPI TickCount64() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    const ULONGLONG ticks = static_cast<ULONGLONG>(now.QuadPart);
    const ULONGLONG hz = static_cast<ULONGLONG>(frequency.QuadPart);
    return ticks / hz * 1000 + ticks % hz * 1000 / hz;
}

}  // namespace

// The name the linker looks for when a 32-bit object calls GetTickCount64 as an import.
extern "C" ULONGLONG(WINAPI* const kn_imp_get_tick_count64)() __asm__("__imp__GetTickCount64@0");
extern "C" ULONGLONG(WINAPI* const kn_imp_get_tick_count64)() = TickCount64;
