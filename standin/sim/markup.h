// The chat markup as the host client shows it: font tags set the colour of the runs that
// follow; every other tag is not shown.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kn::sim {

struct Run {
    std::string color;  // the colour attribute as written, without "#" ("" when none)
    std::string text;
};

// The line's runs in order; text outside any font tag has an empty colour.
std::vector<Run> ParseMarkup(std::string_view line);

// The line as the room shows it: its text with every tag removed.
std::string RenderPlain(std::string_view line);

}  // namespace kn::sim
