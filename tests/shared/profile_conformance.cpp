// What every profile store promises, run against the platform's own store: the file edits the
// settings rely on, byte for byte, and the reading rules of kernel32's profile functions.
#include "tests/shared/profile_conformance.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace kn::test {

namespace {

using namespace std::string_literals;

constexpr std::string_view kFallback = "FB";
constexpr std::size_t kRoom = 256;

class ProfileConformance : public ::testing::Test {
  protected:
    std::string Get(std::string_view section, std::string_view key) {
        return store_->GetString(section, key, kFallback, kRoom, path_);
    }

    std::unique_ptr<ProfileStore> store_ = MakeStoreUnderTest();
    ScratchDir scratch_;
    std::string path_ = scratch_.Path("settings.ini");
};

// A read leaves a missing file missing; the first write makes it, a write into a missing
// directory fails and makes nothing, and a directory in the file's place is no file.
TEST_F(ProfileConformance, MissingFilesAndDirectories) {
    EXPECT_EQ(Get("prefs", "KEY"), kFallback);
    EXPECT_FALSE(std::filesystem::exists(FsPath(path_)));
    ASSERT_TRUE(store_->WriteString("prefs", "KEY", "value", path_));
    EXPECT_EQ(ReadBytes(path_), "[prefs]\r\nKEY=value\r\n");
    EXPECT_EQ(Get("prefs", "KEY"), "value");
    EXPECT_FALSE(store_->WriteString("prefs", "KEY", "v", scratch_.Path("none/settings.ini")));
    EXPECT_FALSE(std::filesystem::exists(scratch_.dir() / "none"));
    const std::string taken = scratch_.Path("taken.ini");
    std::filesystem::create_directory(FsPath(taken));
    EXPECT_EQ(store_->GetString("prefs", "KEY", kFallback, kRoom, taken), kFallback);
    EXPECT_FALSE(store_->WriteString("prefs", "KEY", "v", taken));
}

// The replaced line may keep the file's spelling of the key or take the caller's; every
// other byte must stay.
TEST_F(ProfileConformance, ReplacementMatchesSectionAndKeyWithoutCase) {
    WriteBytes(path_, "[a]\r\nkey=1\r\n[Prefs]\r\nx=1\r\nkEy=old\r\ny=2\r\n");
    ASSERT_TRUE(store_->WriteString("PREFS", "Key", "new", path_));
    const std::string head = "[a]\r\nkey=1\r\n[Prefs]\r\nx=1\r\n", tail = "=new\r\ny=2\r\n";
    const std::string bytes = ReadBytes(path_);
    EXPECT_TRUE(bytes == head + "kEy" + tail || bytes == head + "Key" + tail) << bytes;
    EXPECT_EQ(Get("prefs", "KEY"), "new");
}

// KEY=`value` written into section prefs of a file holding `before`.
struct Edit {
    const char* name;
    std::string_view before;
    std::string_view value;
    std::string_view after;
};

// Only lines in the form the store itself writes: a store may rewrite the whole file, and
// then only those come back unchanged.
const Edit kEdits[] = {
    {"NewSectionGoesAtTheEnd", "[a]\r\nx=1\r\n", "v", "[a]\r\nx=1\r\n[prefs]\r\nKEY=v\r\n"},
    {"ReplacesInPlace", "[a]\r\nKEY=1\r\n[prefs]\r\nx=1\r\nKEY=old\r\ny=2\r\n[b]\r\nKEY=3\r\n",
     "new", "[a]\r\nKEY=1\r\n[prefs]\r\nx=1\r\nKEY=new\r\ny=2\r\n[b]\r\nKEY=3\r\n"},
    {"ReplacesTheFirstOfTwoEntries", "[prefs]\r\nKEY=1\r\nKEY=2\r\n", "new",
     "[prefs]\r\nKEY=new\r\nKEY=2\r\n"},
    {"ReplacesWithAnEmptyValue", "[prefs]\r\nKEY=old\r\n", "", "[prefs]\r\nKEY=\r\n"},
    {"AppendsToTheLastSection", "[a]\r\nx=1\r\n[prefs]\r\ny=2\r\n", "v",
     "[a]\r\nx=1\r\n[prefs]\r\ny=2\r\nKEY=v\r\n"},
    {"AppendsBeforeTheNextSection", "[prefs]\r\ny=2\r\n[b]\r\nc=3\r\n", "v",
     "[prefs]\r\ny=2\r\nKEY=v\r\n[b]\r\nc=3\r\n"},
    {"AppendsToAnEmptySection", "[prefs]\r\n[b]\r\nc=3\r\n", "v",
     "[prefs]\r\nKEY=v\r\n[b]\r\nc=3\r\n"},
    {"AppendsAfterCommentsAndBareLines", "[prefs]\r\n;note\r\ny=2\r\nbare\r\n[b]\r\n", "v",
     "[prefs]\r\n;note\r\ny=2\r\nbare\r\nKEY=v\r\n[b]\r\n"},
    {"AppendsToASectionSpelledInOtherCase", "[PREFS]\r\ny=2\r\n", "v",
     "[PREFS]\r\ny=2\r\nKEY=v\r\n"},
    {"EndsAnUnterminatedLastLine", "[prefs]\r\ny=2", "v", "[prefs]\r\ny=2\r\nKEY=v\r\n"},
    {"KeepsEveryOtherLine",
     ";top\r\n[a]\r\nq=\"quoted\"\r\ns='single'\r\nm=a=b c\r\nhi=\xE9\x9B\x80\xFF\r\n"
     "[prefs]\r\nKEY=old\r\n[c]\r\nz=\r\n",
     "new",
     ";top\r\n[a]\r\nq=\"quoted\"\r\ns='single'\r\nm=a=b c\r\nhi=\xE9\x9B\x80\xFF\r\n"
     "[prefs]\r\nKEY=new\r\n[c]\r\nz=\r\n"},
};

TEST_F(ProfileConformance, EditsChangeOnlyTheBytesTheyMust) {
    for (const Edit& e : kEdits) {
        SCOPED_TRACE(e.name);
        WriteBytes(path_, e.before);
        ASSERT_TRUE(store_->WriteString("prefs", "KEY", e.value, path_));
        EXPECT_EQ(ReadBytes(path_), e.after);
        EXPECT_EQ(Get("prefs", "KEY"), e.value);
    }
}

struct Read {
    const char* name;
    std::string file;
    std::string_view key;
    std::string want;
    std::size_t capacity = kRoom;
    std::string_view section = "prefs";
    std::string_view fallback = kFallback;
    bool wine_differs = false;  // held to the other stores only
};

const std::string kCut = "[prefs]\r\nk=abcdef\r\n";

const Read kReads[] = {
    {"Plain", "[prefs]\r\nk=v\r\n", "k", "v"},
    {"BlanksAroundValue", "[prefs]\r\nk=  v w \t\r\n", "k", "v w"},
    {"BlanksAroundKey", "[prefs]\r\n \tk \t= v\r\n", "k", "v"},
    {"DoubleQuotes", "[prefs]\r\nk= \"v\" \r\n", "k", "v"},
    {"SingleQuotes", "[prefs]\r\nk='v'\r\n", "k", "v"},
    {"BlanksInsideQuotesStay", "[prefs]\r\nk=\" v \"\r\n", "k", " v "},
    {"OnePairOfQuotesOnly", "[prefs]\r\nk=\"\"v\"\"\r\n", "k", "\"v\""},
    {"UnmatchedQuotesStay", "[prefs]\r\nk='v\"\r\n", "k", "'v\""},
    {"LoneQuoteStays", "[prefs]\r\nk=\"\r\n", "k", "\""},
    {"EmptyValueIsNotMissing", "[prefs]\r\nk=\r\n", "k", ""},
    {"EqualsSignsInValue", "[prefs]\r\nk==v=w\r\n", "k", "=v=w"},
    {"SectionWithoutCase", "[PrEfS]\r\nk=v\r\n", "k", "v"},
    {"KeyWithoutCase", "[prefs]\r\nKeY=v\r\n", "kEy", "v"},
    {"FirstOfTwoEntries", "[prefs]\r\nk=1\r\nk=2\r\n", "k", "1"},
    {"AmongOtherSections", "[a]\r\nk=1\r\n[prefs]\r\nk=2\r\n[b]\r\nk=3\r\n", "k", "2"},
    {"MissingSection", "[a]\r\nk=1\r\n", "k", "FB"},
    {"MissingKey", "[prefs]\r\nj=1\r\n[b]\r\nk=2\r\n", "k", "FB"},
    {"EmptyFile", "", "k", "FB"},
    {"FallbackLosesTrailingBlanks", "[prefs]\r\n", "k", " F B", kRoom, "prefs", " F B  "},
    // The capacity holds the value's bytes and a terminator; a fallback is cut as well.
    {"RoomForNothing", kCut, "k", "", 1},
    {"RoomForOne", kCut, "k", "a", 2},
    {"RoomForThree", kCut, "k", "abc", 4},
    {"RoomForAllButOne", kCut, "k", "abcde", 6},
    {"RoomForAll", kCut, "k", "abcdef", 7},
    {"FallbackCut", kCut, "missing", "F", 2},
    {"FallbackCutToNothing", kCut, "missing", "", 1},
    // Files the program did not write.
    {"ByteOrderMark", "\xEF\xBB\xBF[prefs]\r\nk=v\r\n", "k", "v"},
    {"LfOnly", "[prefs]\nk=v\n", "k", "v"},
    {"LoneCr", "[prefs]\rk=v\r", "k", "v"},
    {"MixedLineEnds", "[a]\nk=1\r\n[prefs]\rj=2\nk=v\r\n", "k", "v"},
    {"NulBytesAround", "\0\0junk\0\r\n[prefs]\r\nj=\0\r\nk=v\r\n\0"s, "k", "v"},
    {"NulEndsTheValue", "[prefs]\r\nk=a\0b\r\n"s, "k", "a"},
    {"BinaryJunkAround",
     Junk(4000, "", 1) + "\r\n[prefs]\r\n" + Junk(4000, "[\r\n", 2) + "\r\nk=v\r\n" +
         Junk(4000, "", 3),
     "k", "v"},
    {"BareKeyAloneIsMissing", "[prefs]\r\nk\r\n", "k", "FB"},
    {"HeaderWithBlanks", "  [ prefs ]  \r\nk=v\r\n", "k", "v"},
    {"HeaderWithTrailingText", "[prefs] ; note\r\nk=v\r\n", "k", "v"},
    {"UnclosedHeaderIsNoHeader", "[prefs\r\nk=v\r\n", "k", "FB"},
    {"EntryBeforeAnyHeader", "k=v\r\n[prefs]\r\n", "k", "FB"},
    {"OnlyTheFirstSameNamedSection", "[prefs]\r\nj=1\r\n[PREFS]\r\nk=v\r\n", "k", "FB"},
    {"CaseFoldedInAsciiOnly", "[prefs]\r\n\xE9=v\r\n", "\xC9", "FB"},
    {"LongSingleLine", "[prefs]\r\nk=" + std::string(100000, 'x'), "k", std::string(99, 'x'), 100},
    {"OnlyLineEnds", std::string(1 << 20, '\n'), "k", "FB"},
    // Wine reads section "" as the lines before the first header; Windows as "[]".
    {"EmptySectionIsTheEmptyHeaders", "k=1\r\n[]\r\nk=2\r\n[prefs]\r\nk=3\r\n", "k", "2", kRoom, "",
     kFallback, true},
    {"EmptySectionWithoutItsHeader", "k=1\r\n[prefs]\r\nk=3\r\n", "k", "FB", kRoom, "", kFallback,
     true},
    // Wine takes a bare line for a key, and cuts a quoted value before its quotes go.
    {"BareLinesAreNotEntries", "[prefs]\r\nno equals sign\r\nk\r\nk=v\r\n", "k", "v", kRoom,
     "prefs", kFallback, true},
    {"QuotesGoBeforeTheCut", "[prefs]\r\nk=\"abc\"\r\n", "k", "abc", 4, "prefs", kFallback, true},
};

TEST_F(ProfileConformance, ReadsFindTheValue) {
    for (const Read& r : kReads) {
        SCOPED_TRACE(r.name);
        if (r.wine_differs && StoreIsWines()) continue;
        WriteBytes(path_, r.file);
        EXPECT_EQ(store_->GetString(r.section, r.key, r.fallback, r.capacity, path_), r.want);
    }
}

// Random values of the bytes a setting may hold (blanks, quotes, '=', ';', brackets and
// code-page letters included; no line breaks) come back as written, trimmed as above, and
// never disturb the other keys.
TEST_F(ProfileConformance, AnyValueWithoutLineBreaksReadsBackAsWritten) {
    static const std::string kBytes = " \t\"'=;[]#!abcXYZ09 \xE9\xFC\xC4\xA3\xBF";
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    ASSERT_TRUE(store_->WriteString("prefs", "before", "1", path_));
    for (int i = 0; i < 300; ++i) {
        std::string value(random() % 24, ' ');
        for (char& c : value) c = kBytes[random() % kBytes.size()];
        const std::string key = "k" + std::to_string(random() % 4);
        ASSERT_TRUE(store_->WriteString("prefs", key, value, path_));
        ASSERT_EQ(Get("prefs", key), AsReadBack(value)) << "written: [" << value << "]";
    }
    EXPECT_EQ(Get("prefs", "before"), "1");
}

}  // namespace

}  // namespace kn::test
