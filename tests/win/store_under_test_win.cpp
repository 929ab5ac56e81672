// Runs the shared profile store cases against kernel32's profile functions, so the simulator's
// store is held to what Windows really does; and the writes through a copy, which only the
// Windows store makes.
#include <gtest/gtest.h>

#include "platform/win32/win32_copy_write.h"
#include "platform/win32/win32_profile_store.h"
#include "platform/win32/win32_text.h"
#include "tests/shared/profile_conformance.h"

std::unique_ptr<kn::ProfileStore> MakeStoreUnderTest() {
    return std::make_unique<kn::Win32ProfileStore>();
}

bool StoreIsWines() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

namespace kn::test {
namespace {

constexpr std::string_view kOld = "[prefs]\r\nHANDLE=old\r\nCOLOR1=c0c0c0\r\n";
constexpr std::string_view kNew = "[prefs]\r\nHANDLE=new\r\nCOLOR1=c0c0c0\r\n";

class WriteThroughCopy : public ::testing::Test {
  protected:
    bool Write() { return store_.WriteString("prefs", "HANDLE", "new", path_); }
    DWORD Attributes(const std::string& path) {
        return GetFileAttributesW(win32::Widen(path).c_str());
    }

    DWORD Hidden() { return Attributes(path_) & FILE_ATTRIBUTE_HIDDEN; }

    // The copy of the writer `process`.
    std::string CopyBy(DWORD process) { return path_ + "." + std::to_string(process) + ".new"; }

    Win32ProfileStore store_;
    ScratchDir scratch_;
    std::string path_ = scratch_.Path("kelvarnook.ini");
    std::string copy_ = CopyBy(GetCurrentProcessId());
};

// Copies of writers that were killed go, this process's id's and another's; a running
// writer's (the desktop window's process stands in for one) stays.
TEST_F(WriteThroughCopy, RemovesTheCopiesThatKillsLeftOnly) {
    DWORD running = 0;
    GetWindowThreadProcessId(GetDesktopWindow(), &running);
    ASSERT_NE(running, 0u);
    const std::string left[] = {copy_, CopyBy(4294967292u)}, kept = CopyBy(running);
    for (const bool fresh : {true, false}) {
        SCOPED_TRACE(fresh ? "no file yet" : "a file");
        if (!fresh) WriteBytes(path_, kOld);
        WriteBytes(kept, "[prefs]\r\nHAN");
        for (const std::string& copy : left) {
            WriteBytes(copy, "[prefs]\r\nHAN");
            SetFileAttributesW(win32::Widen(copy).c_str(),
                               FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
        }
        ASSERT_TRUE(Write());
        EXPECT_EQ(ReadBytes(path_), fresh ? "[prefs]\r\nHANDLE=new\r\n" : std::string(kNew));
        for (const std::string& copy : left) EXPECT_EQ(Attributes(copy), INVALID_FILE_ATTRIBUTES);
        EXPECT_NE(Attributes(kept), INVALID_FILE_ATTRIBUTES);
    }
}

TEST_F(WriteThroughCopy, KeepsAHiddenFileHidden) {
    WriteBytes(path_, kOld);
    SetFileAttributesW(win32::Widen(path_).c_str(), FILE_ATTRIBUTE_HIDDEN);
    if (Hidden() == 0) GTEST_SKIP() << "no hidden files here: " << Attributes(path_);
    ASSERT_TRUE(Write());
    EXPECT_EQ(ReadBytes(path_), kNew);
    EXPECT_NE(Hidden(), 0u);
}

// A reader holding the file open makes the rename over it fail.
TEST_F(WriteThroughCopy, WritesInPlaceWhileAnotherProcessHoldsTheFile) {
    WriteBytes(path_, kOld);
    HANDLE held =
        CreateFileW(win32::Widen(path_).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(Write());
    CloseHandle(held);
    EXPECT_EQ(ReadBytes(path_), kNew);
    EXPECT_EQ(Attributes(copy_), INVALID_FILE_ATTRIBUTES);
}

// A copy that can't be made (a directory holds its name), written (its write fails half way)
// or given room (the disk has less free than the write may need: Wine's profile writer then
// cuts the copy and still reports success) ends the write: the file keeps every byte, no copy
// is left, and the file is never written in place, which a full disk would cut short.
TEST_F(WriteThroughCopy, ACopyThatFailsLeavesTheFileAsItWas) {
    WriteBytes(path_, kOld);
    ASSERT_TRUE(CreateDirectoryW(win32::Widen(copy_).c_str(), nullptr));
    EXPECT_FALSE(Write());
    EXPECT_EQ(ReadBytes(path_), kOld);
    ASSERT_TRUE(RemoveDirectoryW(win32::Widen(copy_).c_str()));

    const std::wstring path = win32::Widen(path_);
    int in_place = 0;
    const auto cut_on_copy = [&](const wchar_t* file) {
        if (path == file) {
            ++in_place;
            return true;
        }
        WriteBytes(win32::Narrow(file), "[prefs]\r\nHAN");
        return false;
    };
    EXPECT_FALSE(win32::WriteThroughCopy(path, 20, cut_on_copy));
    // Cut, yet reported written, as Wine's profile writer does on a full disk.
    EXPECT_FALSE(win32::WriteThroughCopy(path, 1ULL << 62, [&](const wchar_t* file) {
        (void)cut_on_copy(file);
        return true;
    }));
    EXPECT_EQ(in_place, 0);
    EXPECT_EQ(ReadBytes(path_), kOld);
    EXPECT_EQ(Attributes(copy_), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace kn::test
