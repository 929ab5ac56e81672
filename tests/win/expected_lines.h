// The two line templates the settings-kill driver checks its rounds against (the handle it
// wrote varies by round), byte for byte as the host's record holds them. The Windows tests
// take every other line from the story scripts' golden records.
#pragma once

#include <string>

namespace kn::wintest {

inline const std::string kMark = "\xE2\x80\xBA";
inline const std::string kFace = "</b><font color=#c0c0c0 face=\"tahoma\">            " + kMark;
inline const std::string kHead2 = kFace + "<font color=#99ccff";

inline std::string UserBanner(const std::string& handle) {
    return kFace + " <font color=#99ccff>k<font color=#c0c0c0>elvar <font color=#99ccff>" + kMark +
           "<font color=#c0c0c0> user<font color=#99ccff>   " + kMark + "<font color=#c0c0c0> " +
           handle;
}

}  // namespace kn::wintest
