// What every profile store promises, run against the platform's own store: the file edits the
// settings rely on, byte for byte, and the reading rules of kernel32's profile functions.
#include "tests/shared/profile_conformance.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace kn::test {

namespace {

constexpr std::string_view kFallback = "FB";
constexpr std::size_t kRoom = 256;

class ProfileConformance : public ::testing::Test {
  protected:
    std::string Get(std::string_view section, std::string_view key, std::size_t capacity = kRoom) {
        return store_->GetString(section, key, kFallback, capacity, path_);
    }

    std::unique_ptr<ProfileStore> store_ = MakeStoreUnderTest();
    ScratchDir scratch_;
    std::string path_ = scratch_.Path("settings.ini");
};

// A read leaves a missing file missing; the first write makes it, a write into a missing
// directory fails and makes nothing.
TEST_F(ProfileConformance, MissingFilesAndDirectories) {
    EXPECT_EQ(Get("prefs", "KEY"), kFallback);
    EXPECT_FALSE(std::filesystem::exists(FsPath(path_)));
    ASSERT_TRUE(store_->WriteString("prefs", "KEY", "value", path_));
    EXPECT_EQ(ReadBytes(path_), "[prefs]\r\nKEY=value\r\n");
    EXPECT_EQ(Get("prefs", "KEY"), "value");
    EXPECT_FALSE(store_->WriteString("prefs", "KEY", "v", scratch_.Path("none/settings.ini")));
    EXPECT_FALSE(std::filesystem::exists(scratch_.dir() / "none"));
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

TEST_F(ProfileConformance, CapacityCutsValueAndFallback) {
    WriteBytes(path_, "[prefs]\r\nk=abcdef\r\n");
    struct Row {
        std::string_view key;
        std::size_t capacity;
        std::string_view want;
    };
    const Row rows[] = {
        {"k", 1, ""},       {"k", 2, "a"},        {"k", 4, "abc"},     {"k", 6, "abcde"},
        {"k", 7, "abcdef"}, {"k", 100, "abcdef"}, {"missing", 2, "F"}, {"missing", 1, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.key) + " capacity " + std::to_string(row.capacity));
        EXPECT_EQ(Get("prefs", row.key, row.capacity), row.want);
    }
}

struct Edit {
    const char* name;
    std::string_view before;
    std::string_view section;
    std::string_view key;
    std::string_view value;
    std::string_view after;
};

// Only lines in the form the store itself writes: a store may rewrite the whole file, and
// then only those come back unchanged.
const Edit kEdits[] = {
    {"NewSectionGoesAtTheEnd", "[a]\r\nx=1\r\n", "prefs", "KEY", "v",
     "[a]\r\nx=1\r\n[prefs]\r\nKEY=v\r\n"},
    {"ReplacesInPlace", "[a]\r\nKEY=1\r\n[prefs]\r\nx=1\r\nKEY=old\r\ny=2\r\n[b]\r\nKEY=3\r\n",
     "prefs", "KEY", "new", "[a]\r\nKEY=1\r\n[prefs]\r\nx=1\r\nKEY=new\r\ny=2\r\n[b]\r\nKEY=3\r\n"},
    {"ReplacesTheFirstOfTwoEntries", "[prefs]\r\nKEY=1\r\nKEY=2\r\n", "prefs", "KEY", "new",
     "[prefs]\r\nKEY=new\r\nKEY=2\r\n"},
    {"ReplacesWithAnEmptyValue", "[prefs]\r\nKEY=old\r\n", "prefs", "KEY", "",
     "[prefs]\r\nKEY=\r\n"},
    {"AppendsToTheLastSection", "[a]\r\nx=1\r\n[prefs]\r\ny=2\r\n", "prefs", "KEY", "v",
     "[a]\r\nx=1\r\n[prefs]\r\ny=2\r\nKEY=v\r\n"},
    {"AppendsBeforeTheNextSection", "[prefs]\r\ny=2\r\n[b]\r\nc=3\r\n", "prefs", "KEY", "v",
     "[prefs]\r\ny=2\r\nKEY=v\r\n[b]\r\nc=3\r\n"},
    {"AppendsToAnEmptySection", "[prefs]\r\n[b]\r\nc=3\r\n", "prefs", "KEY", "v",
     "[prefs]\r\nKEY=v\r\n[b]\r\nc=3\r\n"},
    {"AppendsAfterCommentsAndBareLines", "[prefs]\r\n;note\r\ny=2\r\nbare\r\n[b]\r\n", "prefs",
     "KEY", "v", "[prefs]\r\n;note\r\ny=2\r\nbare\r\nKEY=v\r\n[b]\r\n"},
    {"AppendsToASectionSpelledInOtherCase", "[PREFS]\r\ny=2\r\n", "prefs", "KEY", "v",
     "[PREFS]\r\ny=2\r\nKEY=v\r\n"},
    {"EndsAnUnterminatedLastLine", "[prefs]\r\ny=2", "prefs", "KEY", "v",
     "[prefs]\r\ny=2\r\nKEY=v\r\n"},
    {"KeepsEveryOtherLine",
     ";top\r\n[a]\r\nq=\"quoted\"\r\ns='single'\r\nm=a=b c\r\nhi=\xE9\x9B\x80\xFF\r\n"
     "[prefs]\r\nKEY=old\r\n[c]\r\nz=\r\n",
     "prefs", "KEY", "new",
     ";top\r\n[a]\r\nq=\"quoted\"\r\ns='single'\r\nm=a=b c\r\nhi=\xE9\x9B\x80\xFF\r\n"
     "[prefs]\r\nKEY=new\r\n[c]\r\nz=\r\n"},
};

TEST_F(ProfileConformance, EditsChangeOnlyTheBytesTheyMust) {
    for (const Edit& e : kEdits) {
        SCOPED_TRACE(e.name);
        WriteBytes(path_, e.before);
        ASSERT_TRUE(store_->WriteString(e.section, e.key, e.value, path_));
        EXPECT_EQ(ReadBytes(path_), e.after);
        EXPECT_EQ(Get(e.section, e.key), e.value);
    }
}

struct Read {
    const char* name;
    std::string_view file;
    std::string_view section;
    std::string_view key;
    std::string_view want;
    std::string_view fallback = kFallback;
    bool beyond_wine = false;  // Windows' rule, which Wine's kernel32 does not follow
};

const Read kReads[] = {
    {"Plain", "[prefs]\r\nk=v\r\n", "prefs", "k", "v"},
    {"BlanksAroundValue", "[prefs]\r\nk=  v w \t\r\n", "prefs", "k", "v w"},
    {"BlanksAroundKey", "[prefs]\r\n \tk \t= v\r\n", "prefs", "k", "v"},
    {"DoubleQuotes", "[prefs]\r\nk= \"v\" \r\n", "prefs", "k", "v"},
    {"SingleQuotes", "[prefs]\r\nk='v'\r\n", "prefs", "k", "v"},
    {"BlanksInsideQuotesStay", "[prefs]\r\nk=\" v \"\r\n", "prefs", "k", " v "},
    {"OnePairOfQuotesOnly", "[prefs]\r\nk=\"\"v\"\"\r\n", "prefs", "k", "\"v\""},
    {"UnmatchedQuotesStay", "[prefs]\r\nk='v\"\r\n", "prefs", "k", "'v\""},
    {"LoneQuoteStays", "[prefs]\r\nk=\"\r\n", "prefs", "k", "\""},
    {"EmptyValueIsNotMissing", "[prefs]\r\nk=\r\n", "prefs", "k", ""},
    {"EqualsSignsInValue", "[prefs]\r\nk==v=w\r\n", "prefs", "k", "=v=w"},
    {"SectionWithoutCase", "[PrEfS]\r\nk=v\r\n", "prefs", "k", "v"},
    {"KeyWithoutCase", "[prefs]\r\nKeY=v\r\n", "prefs", "kEy", "v"},
    {"FirstOfTwoEntries", "[prefs]\r\nk=1\r\nk=2\r\n", "prefs", "k", "1"},
    {"AmongOtherSections", "[a]\r\nk=1\r\n[prefs]\r\nk=2\r\n[b]\r\nk=3\r\n", "prefs", "k", "2"},
    {"MissingSection", "[a]\r\nk=1\r\n", "prefs", "k", kFallback},
    {"MissingKey", "[prefs]\r\nj=1\r\n[b]\r\nk=2\r\n", "prefs", "k", kFallback},
    {"EmptyFile", "", "prefs", "k", kFallback},
    {"FallbackLosesTrailingBlanks", "[prefs]\r\n", "prefs", "k", " F B", " F B  "},
    {"EmptySectionIsTheEmptyHeaders", "k=1\r\n[]\r\nk=2\r\n[prefs]\r\nk=3\r\n", "", "k", "2",
     kFallback, true},
    {"EmptySectionWithoutItsHeader", "k=1\r\n[prefs]\r\nk=3\r\n", "", "k", kFallback, kFallback,
     true},
};

TEST_F(ProfileConformance, ReadsFindTheValue) {
    for (const Read& r : kReads) {
        SCOPED_TRACE(r.name);
        // Wine reads section "" as the lines before the first header.
        if (r.beyond_wine && StoreIsWines()) continue;
        WriteBytes(path_, r.file);
        EXPECT_EQ(store_->GetString(r.section, r.key, r.fallback, kRoom, path_), r.want);
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
