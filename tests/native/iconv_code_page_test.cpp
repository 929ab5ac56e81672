// The simulator's code page against Windows-1252 as Windows converts it: the bytes glibc
// leaves out, no best-fit guesses, and '?' for whatever can't be said.
#include "platform/sim/iconv_code_page.h"

#include <gtest/gtest.h>

#include <string>

namespace kn {
namespace {

using namespace std::string_literals;

struct Pair {
    std::string utf8;
    std::string ansi;
};

// Both ways: each side converts to the other.
const Pair kPairs[] = {
    {"", ""},
    {"plain ASCII\t\r\n", "plain ASCII\t\r\n"},
    {"a\0b"s, "a\0b"s},
    // é, € (where Latin-1 has a control character), ›, Ÿ, ÿ, a no-break space
    {"\xC3\xA9\xE2\x82\xAC\xE2\x80\xBA\xC5\xB8\xC3\xBF\xC2\xA0", "\xE9\x80\x9B\x9F\xFF\xA0"},
    // the five bytes 1252 leaves undefined
    {"\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D", "\x81\x8D\x8F\x90\x9D"},
    {"x\xE2\x82\xAC\xC2\x81y\xC3\xA9", "x\x80\x81y\xE9"},
};

// UTF-8 that has no place in 1252; a shared object also shows a failure leaves no state.
const Pair kLossy[] = {
    {"\xE4\xB8\xAD", "?"},         // a CJK character
    {"\xF0\x9F\x98\x80", "?"},     // outside the BMP: one character, one '?'
    {"\xC4\x80", "?"},             // Ā: no best-fit 'A'
    {"\xC2\x80", "?"},             // U+0080: 0x80 is the euro sign
    {"\xC2\x9B", "?"},             // U+009B: 0x9B is ›
    {"\x80", "?"},                 // a continuation byte alone
    {"a\xC3", "a?"},               // cut off at the end
    {"\xE2\x82x", "??x"},          // cut off before another character
    {"\xC0\x80", "??"},            // overlong
    {"\xED\xA0\x80", "???"},       // a surrogate
    {"\xF5\x80\x80\x80", "????"},  // past U+10FFFF
    {"\xFF\xC3\xA9\xFE", "?\xE9?"},
};

TEST(IconvCodePage, ConvertsAsWindowsDoes) {
    IconvCodePage page;
    for (const Pair& p : kPairs) {
        SCOPED_TRACE(p.utf8);
        EXPECT_EQ(page.ToAnsi(p.utf8), p.ansi);
        EXPECT_EQ(page.FromAnsi(p.ansi), p.utf8);
    }
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(page.ToAnsi(page.FromAnsi(all)), all);
    for (const Pair& p : kLossy) {
        SCOPED_TRACE(p.utf8);
        EXPECT_EQ(page.ToAnsi(p.utf8), p.ansi);
        EXPECT_EQ(page.ToAnsi("\xC3\xA9"), "\xE9");
    }
    // Longer than one pass through the conversion buffer, with fallbacks among the chunks.
    std::string utf8, ansi;
    for (int i = 0; i < 5000; ++i) {
        utf8 += "\xE2\x82\xAC\xC2\x81\xE4\xB8\xAD";
        ansi += "\x80\x81?";
    }
    EXPECT_EQ(page.ToAnsi(utf8), ansi);
    EXPECT_EQ(page.FromAnsi("\x80\x81"s + std::string(10000, '\x80')).size(), 2 + 3 + 30000u);
}

}  // namespace
}  // namespace kn
