// The flags of the conversion to the ANSI code page, which Windows checks and Wine does not:
// a refused flag there turns every posted line, keyword and settings key into "".
#include <gtest/gtest.h>

#include "platform/win32/win32_text.h"

namespace kn::win32 {
namespace {

TEST(ConversionFlags, NoBestFitOnlyWhereTheCodePageTakesIt) {
    const struct {
        UINT cp;
        DWORD flags;
    } rows[] = {
        {1252, WC_NO_BEST_FIT_CHARS},
        {1250, WC_NO_BEST_FIT_CHARS},
        {932, WC_NO_BEST_FIT_CHARS},
        {65001, 0},
        {65000, 0},
        {54936, 0},
        {42, 0},
        {50220, 0},
        {50229, 0},
        {57002, 0},
        {57011, 0},
        {57012, WC_NO_BEST_FIT_CHARS},
    };
    for (const auto& row : rows) EXPECT_EQ(ConversionFlags(row.cp), row.flags) << row.cp;
}

}  // namespace
}  // namespace kn::win32
