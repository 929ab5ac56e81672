// The panel at the top of the terminal that keeps the main window's face in view, laid out
// for the terminal's width, and the same face on one plain line for output that isn't one.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/sim/face.h"

namespace kn::sim {

// At most `max_rows` rows, none wider than `width` columns. The clock row goes last when
// rows are short, after the command list, the colour editor, the rule and the reason.
std::vector<std::string> PanelRows(const Face& face, std::size_t width, bool colour,
                                   std::size_t max_rows);

std::string FaceSummary(const Face& face);

}  // namespace kn::sim
