// The one temporary directory of every test: fresh and empty, removed with everything in it
// (read-only or not) when the object goes. Its name holds letters that no ANSI code page but
// UTF-8 holds together, so every file the tests make lies where only wide file functions reach.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kn::test {

class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& dir() const { return dir_; }
    // `name` inside the directory, in UTF-8 as the profile store takes it.
    std::string Path(std::string_view name) const;
    std::string Read(std::string_view name) const;  // "" when missing
    void Write(std::string_view name, std::string_view bytes) const;

  private:
    std::filesystem::path dir_;
};

// A UTF-8 path as the file system functions take it.
std::filesystem::path FsPath(std::string_view utf8);
// The file's bytes, or "" when it can't be read.
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, std::string_view bytes);

}  // namespace kn::test
