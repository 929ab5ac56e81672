// UTF-8 <-> Windows-1252 through iconv, filling in what glibc's tables refuse: the five bytes
// 1252 leaves undefined, characters it lacks, and bytes that are not UTF-8.
#include "platform/sim/iconv_code_page.h"

#include <cerrno>
#include <stdexcept>

#include "platform/sim/utf8.h"

namespace kn {

namespace {

constexpr char kDefaultChar = '?';

// glibc rejects these; Windows maps each to the C1 control character of the same value.
bool IsUndefinedIn1252(char32_t c) {
    return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

bool IsAscii(std::string_view s) {
    for (char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

// ToAnsi at a spot iconv refused: one '?' per bad byte, or per character 1252 lacks.
std::size_t ReplaceUnconvertible(std::string_view rest, std::string& out) {
    char32_t c = 0;
    std::size_t len = sim::DecodeUtf8(rest, c);
    if (len == 0) {
        out += kDefaultChar;
        return 1;
    }
    out += IsUndefinedIn1252(c) ? static_cast<char>(c) : kDefaultChar;
    return len;
}

// FromAnsi at a spot iconv refused: the byte stands for the character of the same value.
std::size_t ReplaceUndefined(std::string_view rest, std::string& out) {
    auto b = static_cast<unsigned char>(rest.front());
    out += static_cast<char>(0xC0 | (b >> 6));
    out += static_cast<char>(0x80 | (b & 0x3F));
    return 1;
}

// Runs `cd` over all of `in`, letting `on_error` write what iconv can't and say how many
// bytes it took (always at least one, so this ends).
template <typename OnError>
std::string Convert(iconv_t cd, std::string_view in, OnError on_error) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.reserve(in.size() + in.size() / 2);
    char* src = const_cast<char*>(in.data());
    std::size_t left = in.size();
    char buf[4096];
    while (left > 0) {
        char* dst = buf;
        std::size_t room = sizeof buf;
        std::size_t r = iconv(cd, &src, &left, &dst, &room);
        out.append(buf, static_cast<std::size_t>(dst - buf));
        if (r != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
        std::size_t used = on_error(std::string_view(src, left), out);
        src += used;
        left -= used;
    }
    return out;
}

iconv_t Open(const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    return cd;
}

}  // namespace

IconvCodePage::IconvCodePage()
    : to_ansi_(Open("WINDOWS-1252", "UTF-8")), from_ansi_(reinterpret_cast<iconv_t>(-1)) {
    try {
        from_ansi_ = Open("UTF-8", "WINDOWS-1252");
    } catch (...) {
        iconv_close(to_ansi_);
        throw;
    }
}

IconvCodePage::~IconvCodePage() {
    iconv_close(to_ansi_);
    iconv_close(from_ansi_);
}

// Chat text is mostly ASCII, which both encodings spell alike, so it skips iconv.
std::string IconvCodePage::ToAnsi(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    return Convert(to_ansi_, utf8, ReplaceUnconvertible);
}

std::string IconvCodePage::FromAnsi(std::string_view ansi) {
    if (IsAscii(ansi)) return std::string(ansi);
    return Convert(from_ansi_, ansi, ReplaceUndefined);
}

}  // namespace kn
