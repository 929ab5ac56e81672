// The main window's skin images, each named for the picture box that shows it.
#pragma once

#include <string_view>

#include "platform/skin_art.h"

namespace kn {

// The image of the picture box `picture`; an empty one for a name without an image.
SkinArt SkinImage(std::string_view picture);

// The main window's sign drawn as `word` in the skin's font, right-aligned in the label's box
// (kSignWidth x kSignHeight pixels at 96 DPI) in a warning colour; nothing for "ok".
SkinArt SignImage(std::string_view word);
inline constexpr int kSignWidth = 62, kSignHeight = 12;

}  // namespace kn
