// What Windows reads out of both executables before running them: the application manifest
// (privilege level, the Windows versions it was tested on, Common Controls 6, DPI awareness per
// monitor, no code page of its own) and the version Explorer shows.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/win32/win32_text.h"
#include "tests/win/harness.h"

namespace kn::wintest {
namespace {

// The bytes of resource `name` (1 when not given) of `type` in `exe`, empty when there is none.
std::string ResourceBytes(const char* exe, const wchar_t* type,
                          const wchar_t* name = MAKEINTRESOURCEW(1)) {
    const HMODULE module =
        LoadLibraryExW(WindowsPath(win32::Widen(exe)).c_str(), nullptr,
                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    const HRSRC found = module ? FindResourceW(module, name, type) : nullptr;
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    std::string bytes;
    if (loaded) {
        bytes.assign(static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found));
    }
    if (module) FreeLibrary(module);
    return bytes;
}

// The version resource's strings are UTF-16; the fixed part carries the numbers.
std::wstring FileVersion(const std::string& block) {
    const std::wstring key = L"FileVersion";
    const std::size_t at = std::string_view(block).find(
        std::string_view(reinterpret_cast<const char*>(key.data()), key.size() * 2));
    if (at == std::string::npos) return {};
    // The value follows the key's terminator, aligned to four bytes.
    std::size_t value = (at + (key.size() + 1) * 2 + 3) & ~std::size_t{3};
    return reinterpret_cast<const wchar_t*>(block.data() + value);
}

class BothExecutables : public ::testing::TestWithParam<const char*> {};

TEST_P(BothExecutables, CarryTheManifestAndTheVersion) {
    const std::string manifest = ResourceBytes(GetParam(), RT_MANIFEST);
    ASSERT_FALSE(manifest.empty()) << "no manifest in " << GetParam();
    for (const char* part : {
             R"(level="asInvoker")",
             "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
             "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // 8
             "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // 8.1
             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // 10 and 11
             R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")",
             R"(WindowsSettings">true/pm</dpiAware>)",
             // Windows 10 1607 knows no V2: without the fallback it would run the program unaware.
             R"(WindowsSettings">PerMonitorV2, PerMonitor</dpiAwareness>)",
         }) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
    EXPECT_EQ(manifest.find("<activeCodePage"), std::string::npos);
    EXPECT_EQ(win32::Narrow(FileVersion(ResourceBytes(GetParam(), RT_VERSION))), KN_VERSION);
}

// The images of icon group `name`: size and bits per pixel of each, in order.
std::vector<std::pair<int, int>> IconImages(const char* exe, const wchar_t* name) {
    const std::string group = ResourceBytes(exe, RT_GROUP_ICON, name);
    std::vector<std::pair<int, int>> images;
    if (group.size() < 6) return images;
    const auto count = static_cast<unsigned char>(group[4]);
    for (std::size_t i = 0, at = 6; i < count && at + 14 <= group.size(); ++i, at += 14) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(group[at + k]); };
        images.push_back({byte(0) ? byte(0) : 256, byte(6) | byte(7) << 8});
    }
    return images;
}

// The main window's icon group: the 32 x 32, 16-colour image, then one in full colour for each
// size Windows asks for at some scale (16 to 48 for window and taskbar, 256 for Explorer). The
// notification icon's other pictures at each size the notification area takes, 96 to 288 DPI.
TEST_P(BothExecutables, CarryTheIconsAtEverySize) {
    const std::vector<std::pair<int, int>> area = {{16, 32}, {20, 32}, {24, 32},
                                                   {32, 32}, {40, 32}, {48, 32}};
    EXPECT_EQ(IconImages(GetParam(), L"FORM1"),
              (std::vector<std::pair<int, int>>{
                  {32, 4}, {16, 32}, {20, 32}, {24, 32}, {32, 32}, {40, 32}, {48, 32}, {256, 32}}));
    for (const wchar_t* name : {L"NOTIFYIDLE", L"NOTIFYWARNING", L"NOTIFYIDLEWARNING"}) {
        EXPECT_EQ(IconImages(GetParam(), name), area) << win32::Narrow(name);
    }
}

INSTANTIATE_TEST_SUITE_P(Builds, BothExecutables, ::testing::Values(KN_PROGRAM_EXE, kProgram32Exe));

}  // namespace
}  // namespace kn::wintest
