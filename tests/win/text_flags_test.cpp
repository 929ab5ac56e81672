// The flags of the conversion to the ANSI code page, which Windows checks and Wine does not:
// a refused flag there turns every posted line, keyword and settings key into "".
#include <gtest/gtest.h>

#include "platform/win32/win32_text.h"

namespace kn::win32 {
namespace {

// 57002 and 57011 are the ends of the ISCII pages, which take no flags.
TEST(ConversionFlags, NoBestFitOnlyWhereTheCodePageTakesIt) {
    for (UINT cp : {1252u, 1250u, 932u, 57012u})
        EXPECT_EQ(ConversionFlags(cp), DWORD{WC_NO_BEST_FIT_CHARS}) << cp;
    for (UINT cp : {65001u, 65000u, 54936u, 42u, 50220u, 50229u, 57002u, 57011u})
        EXPECT_EQ(ConversionFlags(cp), 0u) << cp;
}

}  // namespace
}  // namespace kn::win32
