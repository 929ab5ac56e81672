// Decoding one UTF-8 character, for the simulated code page and the terminal alike.
#pragma once

#include <cstddef>
#include <string_view>

namespace kn::sim {

// The length of the well-formed UTF-8 sequence that starts `s` (its character in `c`), or 0:
// overlong forms, surrogates and values past U+10FFFF are not well-formed. `s` is not empty.
std::size_t DecodeUtf8(std::string_view s, char32_t& c);

}  // namespace kn::sim
