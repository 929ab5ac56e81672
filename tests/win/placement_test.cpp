// Where the program's windows go beside the main window, as arithmetic on screen rectangles:
// the cases of monitors and taskbars that the test display can't be made into.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "platform/win32/win32_placement.h"

namespace kn::win32 {
namespace {

std::tuple<LONG, LONG, LONG, LONG> Tie(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// A taskbar at the top (work area from y=40) or at the left (from x=62), on the primary
// monitor and on one to its right.
TEST(Placement, WorkspaceCoordinatesBecomeTheScreens) {
    const RECT first{0, 0, 1024, 768}, second{1024, 0, 2048, 768};
    struct Case {
        RECT monitor, work, normal, want;
    };
    for (const Case& c : {
             Case{first, {0, 40, 1024, 768}, {10, 20, 131, 108}, {10, 60, 131, 148}},
             Case{first, {62, 0, 1024, 768}, {10, 20, 131, 108}, {72, 20, 193, 108}},
             Case{second, {1024, 40, 2048, 768}, {1034, 20, 1155, 108}, {1034, 60, 1155, 148}},
             Case{second, {1086, 0, 2048, 768}, {1034, 20, 1155, 108}, {1096, 20, 1217, 108}},
             Case{first, {0, 0, 1024, 728}, {10, 20, 131, 108}, {10, 20, 131, 108}},
         }) {
        EXPECT_EQ(Tie(ScreenFromWorkspace(c.normal, c.monitor, c.work)), Tie(c.want))
            << c.work.left << "," << c.work.top;
    }
}

// The main window at 96 DPI is 121 x 88, at 192 DPI 242 x 176.
TEST(Placement, BesideTheAnchorOverlappingNothingWhereThereIsRoom) {
    const RECT screen{0, 0, 1024, 768}, small{0, 0, 640, 480};
    const RECT low{0, 0, 1024, 300}, tiny{0, 0, 300, 200};
    const SIZE box{200, 150};
    struct Case {
        const char* what;
        RECT anchor;
        SIZE size;
        RECT work;
        POINT want;
        std::vector<RECT> others = {};
    };
    const Case cases[] = {
        {"right", {100, 100, 221, 188}, box, screen, {221, 100}},
        {"right, kept above the bottom", {100, 700, 221, 768}, box, screen, {221, 618}},
        {"left, at the right edge", {850, 100, 971, 188}, box, screen, {650, 100}},
        {"below, no room beside", {200, 100, 442, 276}, {300, 200}, small, {200, 276}},
        {"above, too narrow and low", {200, 280, 442, 456}, {300, 200}, small, {200, 80}},
        {"under another", {100, 100, 221, 188}, box, screen, {221, 250}, {{221, 100, 421, 250}}},
        {"over another", {100, 500, 221, 588}, box, screen, {221, 320}, {{221, 470, 421, 768}}},
        {"right full", {400, 100, 521, 188}, box, low, {200, 100}, {{521, 50, 721, 250}}},
        {"right of a taskbar", {62, 0, 183, 88}, box, {62, 0, 1024, 768}, {183, 0}},
        {"past two",
         {100, 0, 221, 88},
         {200, 300},
         screen,
         {21, 88},
         {{221, 0, 421, 300}, {221, 300, 421, 600}}},
        // Nowhere free: the sides overlap the anchor by 15000 pixels, below and above by 10000;
        // with a window along the bottom, the right side's top corner overlaps the least, 7500.
        {"least overlap", {50, 50, 250, 150}, {200, 100}, tiny, {50, 100}},
        {"least, others", {50, 50, 250, 150}, {200, 100}, tiny, {100, 0}, {{0, 100, 300, 200}}},
    };
    for (const Case& c : cases) {
        const POINT at = PlaceBeside(c.anchor, c.size, c.work, c.others);
        EXPECT_EQ(std::pair(at.x, at.y), std::pair(c.want.x, c.want.y)) << c.what;
    }
}

}  // namespace
}  // namespace kn::win32
