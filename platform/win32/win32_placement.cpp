// Candidates are tried side by side in order; along a side they start at the anchor's corner
// and step past each window in the way, so that a second window stacks beside the first.
#include "platform/win32/win32_placement.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <vector>

namespace kn::win32 {

namespace {

long long OverlapArea(const RECT& a, const RECT& b) {
    const long long w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const long long h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

// A window bigger than the work area keeps its top-left corner inside it.
LONG Clamp(LONG at, LONG length, LONG low, LONG high) {
    return std::max(low, std::min(at, high - length));
}

RECT At(POINT p, SIZE size, const RECT& work) {
    const LONG x = Clamp(p.x, size.cx, work.left, work.right);
    const LONG y = Clamp(p.y, size.cy, work.top, work.bottom);
    return {x, y, x + size.cx, y + size.cy};
}

// The starts along a side: the anchor's own edge, then the edges of the windows in the way,
// nearest the anchor's edge first.
std::vector<LONG> Starts(LONG edge, LONG length, std::span<const RECT> others, bool across_x) {
    std::vector<LONG> starts{edge};
    for (const RECT& o : others) {
        starts.push_back(across_x ? o.right : o.bottom);
        starts.push_back((across_x ? o.left : o.top) - length);
    }
    std::stable_sort(starts.begin(), starts.end(),
                     [&](LONG a, LONG b) { return std::labs(a - edge) < std::labs(b - edge); });
    return starts;
}

// A place on one side of the anchor: to its right or left (`beside`), or below or above.
struct Candidate {
    POINT at;
    bool beside;
};

// Every candidate in the order of preference.
std::vector<Candidate> Candidates(const RECT& a, SIZE size, std::span<const RECT> others) {
    std::vector<Candidate> out;
    for (LONG x : {a.right, a.left - size.cx}) {
        for (LONG y : Starts(a.top, size.cy, others, false)) out.push_back({{x, y}, true});
    }
    for (LONG y : {a.bottom, a.top - size.cy}) {
        for (LONG x : Starts(a.left, size.cx, others, true)) out.push_back({{x, y}, false});
    }
    return out;
}

}  // namespace

RECT ScreenFromWorkspace(const RECT& r, const RECT& monitor, const RECT& work) {
    const LONG dx = work.left - monitor.left, dy = work.top - monitor.top;
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// A place that the work area pushed back over the anchor's edge is no longer on that side; it
// counts only by its overlap, when nothing is free.
POINT PlaceBeside(const RECT& anchor, SIZE size, const RECT& work, std::span<const RECT> others) {
    POINT best{};
    long long least = std::numeric_limits<long long>::max();
    for (const Candidate& c : Candidates(anchor, size, others)) {
        const RECT r = At(c.at, size, work);
        long long overlap = OverlapArea(r, anchor);
        for (const RECT& o : others) overlap += OverlapArea(r, o);
        const bool on_its_side = c.beside ? r.left == c.at.x : r.top == c.at.y;
        if (overlap == 0 && on_its_side) return {r.left, r.top};
        if (overlap < least) least = overlap, best = {r.left, r.top};
    }
    return best;
}

}  // namespace kn::win32
