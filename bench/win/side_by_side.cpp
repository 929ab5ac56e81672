// The stand-in host started for the Windows benchmark, and the performance counter in seconds.
#include "bench/win/side_by_side.h"

#include "standin/win32/standin_ids.h"

namespace kn::winbench {

Standin::Standin(const std::wstring& exe, const std::wstring& dir, std::size_t max_lines)
    : process_(exe, L"--max-lines " + std::to_wstring(max_lines), dir) {
    control_ = process_.WaitForWindow(standin::kControlClass);
}

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / frequency;
}

}  // namespace kn::winbench
