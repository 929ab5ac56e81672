// Skin images as a small description instead of bitmaps: pixel art on the 96-DPI grid, drawn
// afresh at the DPI of the window that shows it. A bitmap stretched by 1.25 or 1.5 either blurs
// or, pixel for pixel, gets strokes one and two pixels wide side by side. Drawn here, every
// straight run of pixels becomes a bar and every diagonal step a staircase, each as thick as
// one pixel scaled and rounded, at places scaled and rounded: strokes stay even and sharp at
// any scale, and at 96 DPI the bars cover exactly the pixels described.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace kn {

// Pixels of one colour: '#' set, any other character clear; rows may differ in length.
struct SkinPixels {
    std::uint32_t colour = 0;  // 0xRRGGBB
    int left = 0, top = 0;
    std::vector<std::string> rows;
};

// An image of `width` x `height` pixels at 96 DPI: black, with its layers drawn in order.
struct SkinArt {
    int width = 0, height = 0;
    std::vector<SkinPixels> layers;
};

// A filled rectangle in device pixels, right and bottom exclusive.
struct SkinBar {
    int left, top, right, bottom;
    std::uint32_t colour;
};

// A length at 96 DPI scaled to `dpi`, rounded to the nearest pixel.
constexpr int ScaleToDpi(int pixels, int dpi) {
    return (pixels * dpi + 48) / 96;
}

namespace skin_detail {

inline bool Set(const SkinPixels& p, int x, int y) {
    return y >= 0 && y < static_cast<int>(p.rows.size()) && x >= 0 &&
           x < static_cast<int>(p.rows[y].size()) && p.rows[y][x] == '#';
}

// The length, in set pixels, of the run that starts at (x, y) going (dx, dy); 0 when the pixel
// before it is set too, so that each run is counted once, from its start.
inline int RunFrom(const SkinPixels& p, int x, int y, int dx, int dy) {
    if (!Set(p, x, y) || Set(p, x - dx, y - dy)) return 0;
    int n = 1;
    while (Set(p, x + n * dx, y + n * dy)) ++n;
    return n;
}

}  // namespace skin_detail

// The bars that draw `art` at `dpi`, in painting order.
inline std::vector<SkinBar> SkinBars(const SkinArt& art, int dpi) {
    using skin_detail::RunFrom;
    using skin_detail::Set;
    const int t = std::max(1, ScaleToDpi(1, dpi));
    std::vector<SkinBar> bars;
    for (const SkinPixels& p : art.layers) {
        auto at = [&](int x, int y) {
            return std::pair{ScaleToDpi(p.left + x, dpi), ScaleToDpi(p.top + y, dpi)};
        };
        auto bar = [&](int x0, int y0, int x1, int y1) {
            auto [l, tp] = at(x0, y0);
            auto [r, b] = at(x1, y1);
            bars.push_back({l, tp, r + t, b + t, p.colour});
        };
        for (int y = 0; y < static_cast<int>(p.rows.size()); ++y) {
            for (int x = 0; x < static_cast<int>(p.rows[y].size()); ++x) {
                if (!Set(p, x, y)) continue;
                const int across = RunFrom(p, x, y, 1, 0), down = RunFrom(p, x, y, 0, 1);
                if (across > 1) bar(x, y, x + across - 1, y);
                if (down > 1) bar(x, y, x, y + down - 1);
                const bool alone = !Set(p, x - 1, y) && !Set(p, x + 1, y) && !Set(p, x, y - 1) &&
                                   !Set(p, x, y + 1);
                if (alone) bar(x, y, x, y);
                // A diagonal step to the next row, as a staircase of squares one pixel apart.
                for (int dx : {-1, 1}) {
                    if (!Set(p, x + dx, y + 1)) continue;
                    auto [x0, y0] = at(x, y);
                    auto [x1, y1] = at(x + dx, y + 1);
                    const int steps = std::max(std::abs(x1 - x0), y1 - y0);
                    for (int i = 1; i < steps; ++i) {
                        const int sx = x0 + (x1 - x0) * i / steps, sy = y0 + (y1 - y0) * i / steps;
                        bars.push_back({sx, sy, sx + t, sy + t, p.colour});
                    }
                }
            }
        }
    }
    return bars;
}

}  // namespace kn
