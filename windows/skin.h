// The main window's skin images, each named for the picture box that shows it.
#pragma once

#include <string_view>

#include "platform/skin_art.h"

namespace kn {

// The image of the picture box `picture`; an empty one for a name without an image.
SkinArt SkinImage(std::string_view picture);

}  // namespace kn
