// The skin as a few words in a five-pixel font, a rule, a bar and an X, placed as they stand at
// 96 DPI; the platform draws them at the window's DPI.
#include "windows/skin.h"

#include <string>

namespace kn {

namespace {

constexpr std::uint32_t kLight = 0xe8e8e8, kGrey = 0x707070, kBlue = 0x3c78ff, kDarkBlue = 0x182850,
                        kWarning = 0xffb020;

// A letter from two rows above the x-height (ascenders) to two below it (descenders).
struct Glyph {
    char letter;
    const char* rows[9];
};

constexpr Glyph kFont[] = {
    {'a', {"", "", ".###.", "....#", ".####", "#...#", ".####", "", ""}},
    {' ', {"", "", "..", "", "", "", "", "", ""}},
    {'d', {"....#", "....#", ".####", "#...#", "#...#", "#...#", ".####", "", ""}},
    {'f', {"..##", ".#", "###", ".#", ".#", ".#", ".#", "", ""}},
    {'g', {"", "", ".####", "#...#", "#...#", "#...#", ".####", "....#", ".###."}},
    {'t', {"", ".#", "###.", ".#", ".#", ".#", "..##", "", ""}},
    {'u', {"", "", "#...#", "#...#", "#...#", "#...#", ".####", "", ""}},
    {'e', {"", "", ".###.", "#...#", "#####", "#....", ".###.", "", ""}},
    {'h', {"#", "#", "####.", "#...#", "#...#", "#...#", "#...#", "", ""}},
    {'i', {".#", "", "##.", ".#.", ".#.", ".#.", "###", "", ""}},
    {'m', {"", "", "##.#.", "#.#.#", "#.#.#", "#.#.#", "#.#.#", "", ""}},
    {'n', {"", "", "####.", "#...#", "#...#", "#...#", "#...#", "", ""}},
    {'o', {"", "", ".###.", "#...#", "#...#", "#...#", ".###.", "", ""}},
    {'p', {"", "", "####.", "#...#", "#...#", "#...#", "####.", "#", "#"}},
    {'r', {"", "", "#.##.", "##..#", "#", "#", "#", "", ""}},
    {'s', {"", "", ".####", "#....", ".###.", "....#", "####.", "", ""}},
};

const Glyph& GlyphOf(char letter) {
    for (const Glyph& g : kFont) {
        if (g.letter == letter) return g;
    }
    return kFont[0];
}

// `word` with the top of its x-height at (left, top), one clear column between letters.
SkinPixels Word(std::string_view word, int left, int top, std::uint32_t colour) {
    SkinPixels p{colour, left, top - 2, std::vector<std::string>(9)};
    for (char c : word) {
        const Glyph& g = GlyphOf(c);
        const std::size_t at = p.rows[2].size();
        std::size_t width = 0;
        for (const char* row : g.rows) width = std::max(width, std::string_view(row).size());
        for (std::size_t r = 0; r < p.rows.size(); ++r) {
            std::string& row = p.rows[r];
            row.resize(at, '.');
            row += g.rows[r];
            row.resize(at + width + 1, '.');
        }
    }
    return p;
}

SkinArt Make(std::string_view picture) {
    if (picture == "Picture1") {
        return {
            200, 90, {{kDarkBlue, 0, 34, {std::string(121, '#')}}, Word("reason", 2, 54, kBlue)}};
    }
    if (picture == "Picture2") return {16, 16, {{kLight, 4, 11, {"########", "########"}}}};
    if (picture == "Picture3") return {32, 16, {Word("ops", 7, 5, kLight)}};
    if (picture == "Picture5") {
        return {15,
                15,
                {{kGrey, 4, 4, {".#...#.", "..#.#..", "...#...", "..#.#..", ".#...#.", "#.....#"}},
                 {kLight,
                  4,
                  4,
                  {"#.....#", ".#...#.", "..#.#..", "...#...", "..#.#..", ".#...#.", "#.....#"}}}};
    }
    if (picture == "Picture6") return {32, 15, {Word("mins", 2, 5, kLight)}};
    if (picture == "Picture7") return {32, 15, {Word("hrs", 2, 3, kLight)}};
    return {};
}

}  // namespace

SkinArt SkinImage(std::string_view picture) {
    return Make(picture);
}

// At the height of the word "reason" beside it, so the two read as one line.
SkinArt SignImage(std::string_view word) {
    if (word == "ok") return {};
    SkinPixels p = Word(word, 0, 4, kWarning);
    p.left = kSignWidth - static_cast<int>(p.rows[2].size()) + 1;
    return {kSignWidth, kSignHeight, {std::move(p)}};
}

}  // namespace kn
