// The profile (INI) strings: how the settings file is read and written.
// Section, key, value and fallback are in the ANSI code page, as the file holds them; the path
// is UTF-8, so that a directory named outside the ANSI code page is reached.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kn {

class ProfileStore {
  public:
    virtual ~ProfileStore() = default;

    // GetPrivateProfileStringA(section, key, fallback, buffer, capacity, path): the value of
    // `key` in `section` of the file at `path`, both matched without regard to case, with
    // surrounding blanks and one pair of enclosing quotes removed; `fallback` when the file,
    // section or key is missing. At most capacity - 1 bytes are returned (capacity >= 1); a
    // longer value is cut, so a result of exactly capacity - 1 bytes may have been cut.
    virtual std::string GetString(std::string_view section, std::string_view key,
                                  std::string_view fallback, std::size_t capacity,
                                  std::string_view path) = 0;

    // WritePrivateProfileStringA(section, key, value, path): replaces the entry of `key` in
    // place, or appends it at the end of `section`, creating the file and the section when
    // missing; every other line of the file is kept byte for byte. A process killed while it
    // writes leaves the old file or the new one whole. Returns false on failure.
    virtual bool WriteString(std::string_view section, std::string_view key, std::string_view value,
                             std::string_view path) = 0;
};

}  // namespace kn
