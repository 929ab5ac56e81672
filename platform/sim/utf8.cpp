// Decoding one UTF-8 character.
#include "platform/sim/utf8.h"

namespace kn::sim {

std::size_t DecodeUtf8(std::string_view s, char32_t& c) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char lead = byte(0);
    std::size_t len = lead < 0x80   ? 1
                      : lead < 0xC2 ? 0
                      : lead < 0xE0 ? 2
                      : lead < 0xF0 ? 3
                      : lead < 0xF5 ? 4
                                    : 0;
    if (len == 0 || len > s.size()) return 0;
    c = len == 1 ? lead : lead & (0x7F >> len);
    for (std::size_t i = 1; i < len; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (byte(i) & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    bool surrogate = c >= 0xD800 && c <= 0xDFFF;
    return c < kMin[len] || surrogate || c > 0x10FFFF ? 0 : len;
}

}  // namespace kn::sim
