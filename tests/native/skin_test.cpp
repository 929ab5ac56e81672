// The skin drawn at the scales Windows offers: a letter must neither fall apart (a diagonal step
// drawn as two pixels that no longer touch) nor close up (the eye of an e filled, two stems
// run together), which is what stretching the 96-DPI pixels would do.
#include "windows/skin.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace kn::test {
namespace {

using Grid = std::vector<std::vector<bool>>;

Grid Draw(const SkinArt& art, const SkinPixels& layer, int dpi) {
    Grid g(ScaleToDpi(art.height, dpi), std::vector<bool>(ScaleToDpi(art.width, dpi)));
    for (const SkinBar& b : SkinBars({art.width, art.height, {layer}}, dpi)) {
        for (int y = b.top; y < b.bottom && y < static_cast<int>(g.size()); ++y) {
            for (int x = b.left; x < b.right && x < static_cast<int>(g[y].size()); ++x) {
                g[y][x] = true;
            }
        }
    }
    return g;
}

// The regions of pixels equal to `set`: 8-connected for strokes, 4-connected for what lies
// between them, as the eye reads a pixel font.
int Regions(Grid g, bool set) {
    const int h = static_cast<int>(g.size()), w = h ? static_cast<int>(g[0].size()) : 0;
    int n = 0;
    for (int y0 = 0; y0 < h; ++y0) {
        for (int x0 = 0; x0 < w; ++x0) {
            if (g[y0][x0] != set) continue;
            ++n;
            std::vector<std::pair<int, int>> todo{{x0, y0}};
            g[y0][x0] = !set;
            while (!todo.empty()) {
                auto [x, y] = todo.back();
                todo.pop_back();
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= w || ny >= h || g[ny][nx] != set) continue;
                        if (!set && dx != 0 && dy != 0) continue;
                        g[ny][nx] = !set;
                        todo.push_back({nx, ny});
                    }
                }
            }
        }
    }
    return n;
}

TEST(Skin, EveryScaleKeepsTheStrokesJoinedAndApart) {
    for (const char* picture :
         {"Picture1", "Picture2", "Picture3", "Picture5", "Picture6", "Picture7"}) {
        const SkinArt art = SkinImage(picture);
        ASSERT_FALSE(art.layers.empty()) << picture;
        for (const SkinPixels& layer : art.layers) {
            const Grid at96 = Draw(art, layer, 96);
            for (int dpi : {120, 144, 168, 192, 240}) {
                const Grid scaled = Draw(art, layer, dpi);
                EXPECT_EQ(Regions(scaled, true), Regions(at96, true)) << picture << " " << dpi;
                EXPECT_EQ(Regions(scaled, false), Regions(at96, false)) << picture << " " << dpi;
            }
        }
    }
}

}  // namespace
}  // namespace kn::test
