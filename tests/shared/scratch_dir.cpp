// The tests' temporary directory, on every platform the tests run on.
#include "tests/shared/scratch_dir.h"

#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

namespace kn::test {

namespace {

// Polish and Cyrillic letters.
constexpr std::string_view kDirPrefix =
    "kn-\xC5\x81\xC3\xB3"
    "d\xC5\xBA-\xD0\x96\xD1\x83\xD0\xBA-";

}  // namespace

ScratchDir::ScratchDir() {
    static std::mt19937_64 random{std::random_device{}()};
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    do {
        dir_ = base / FsPath(std::string(kDirPrefix) + std::to_string(random()));
    } while (!std::filesystem::create_directory(dir_));
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(dir_, ignored);
}

std::string ScratchDir::Path(std::string_view name) const {
    const std::u8string utf8 = (dir_ / name).u8string();
    return {utf8.begin(), utf8.end()};
}

std::string ScratchDir::Read(std::string_view name) const {
    return ReadBytes(Path(name));
}

void ScratchDir::Write(std::string_view name, std::string_view bytes) const {
    WriteBytes(Path(name), bytes);
}

std::filesystem::path FsPath(std::string_view utf8) {
    return std::u8string(utf8.begin(), utf8.end());
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(FsPath(path), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(FsPath(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace kn::test
