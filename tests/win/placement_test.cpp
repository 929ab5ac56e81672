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
    struct Case {
        RECT monitor, work, normal, want;
    };
    for (const Case& c : {
             Case{{0, 0, 1024, 768}, {0, 40, 1024, 768}, {10, 20, 131, 108}, {10, 60, 131, 148}},
             Case{{0, 0, 1024, 768}, {62, 0, 1024, 768}, {10, 20, 131, 108}, {72, 20, 193, 108}},
             Case{{1024, 0, 2048, 768},
                  {1024, 40, 2048, 768},
                  {1034, 20, 1155, 108},
                  {1034, 60, 1155, 148}},
             Case{{1024, 0, 2048, 768},
                  {1086, 0, 2048, 768},
                  {1034, 20, 1155, 108},
                  {1096, 20, 1217, 108}},
             Case{{0, 0, 1024, 768}, {0, 0, 1024, 728}, {10, 20, 131, 108}, {10, 20, 131, 108}},
         }) {
        EXPECT_EQ(Tie(ScreenFromWorkspace(c.normal, c.monitor, c.work)), Tie(c.want))
            << c.work.left << "," << c.work.top;
    }
}

// The main window at 96 DPI is 121 x 88, at 192 DPI 242 x 176.
TEST(Placement, BesideTheAnchorOverlappingNothingWhereThereIsRoom) {
    const RECT screen{0, 0, 1024, 768}, small{0, 0, 640, 480};
    struct Case {
        const char* what;
        RECT anchor;
        SIZE size;
        RECT work;
        std::vector<RECT> others;
        POINT want;
    };
    const Case cases[] = {
        {"right", {100, 100, 221, 188}, {200, 150}, screen, {}, {221, 100}},
        {"right, kept above the bottom", {100, 700, 221, 768}, {200, 150}, screen, {}, {221, 618}},
        {"left at the screen's right edge",
         {850, 100, 971, 188},
         {200, 150},
         screen,
         {},
         {650, 100}},
        {"below, too narrow for either side",
         {200, 100, 442, 276},
         {300, 200},
         small,
         {},
         {200, 276}},
        {"above, too narrow and low", {200, 280, 442, 456}, {300, 200}, small, {}, {200, 80}},
        {"right, under the window already there",
         {100, 100, 221, 188},
         {200, 150},
         screen,
         {{221, 100, 421, 250}},
         {221, 250}},
        {"right, above the window already there",
         {100, 500, 221, 588},
         {200, 150},
         screen,
         {{221, 470, 421, 768}},
         {221, 320}},
        {"left, the right side's column full",
         {400, 100, 521, 188},
         {200, 150},
         {0, 0, 1024, 300},
         {{521, 50, 721, 250}},
         {200, 100}},
        {"work area right of a taskbar",
         {62, 0, 183, 88},
         {200, 150},
         {62, 0, 1024, 768},
         {},
         {183, 0}},
        {"past two windows on the right",
         {100, 0, 221, 88},
         {200, 300},
         {0, 0, 1024, 768},
         {{221, 0, 421, 300}, {221, 300, 421, 600}},
         {21, 88}},
        // Nowhere free: the sides overlap the anchor by 15000 pixels, below and above by 10000;
        // with a window along the bottom, the right side's top corner overlaps the least, 7500.
        {"least overlap", {50, 50, 250, 150}, {200, 100}, {0, 0, 300, 200}, {}, {50, 100}},
        {"least overlap, counting the others",
         {50, 50, 250, 150},
         {200, 100},
         {0, 0, 300, 200},
         {{0, 100, 300, 200}},
         {100, 0}},
    };
    for (const Case& c : cases) {
        const POINT at = PlaceBeside(c.anchor, c.size, c.work, c.others);
        EXPECT_EQ(std::pair(at.x, at.y), std::pair(c.want.x, c.want.y)) << c.what;
    }
}

}  // namespace
}  // namespace kn::win32
