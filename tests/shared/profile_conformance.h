// The profile store cases every platform's store must pass, and the scratch files they use.
// Each test binary defines MakeStoreUnderTest() to hand the suite its own store.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/profile_store.h"

std::unique_ptr<kn::ProfileStore> MakeStoreUnderTest();

namespace kn::testing {

// A fresh, empty directory for one test, removed with everything in it at the end.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& dir() const { return dir_; }
    // `name` inside the directory, in UTF-8 as the store takes it.
    std::string Path(std::string_view name) const;

  private:
    std::filesystem::path dir_;
};

// A UTF-8 path as the file system functions take it.
std::filesystem::path FsPath(std::string_view utf8);
// The file's bytes, or "" when it can't be read.
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, std::string_view bytes);

}  // namespace kn::testing
