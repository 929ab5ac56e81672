// The simulator's settings file: profile (INI) strings read and written the way kernel32 does,
// on a plain file, so the program's settings behave alike on both platforms.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/profile_store.h"

namespace kn {

// Reads the whole file on every call and keeps nothing between calls, so edits made by hand
// (or by a test) are seen at once. Section and key names match with ASCII case folding only:
// the names the program uses are ASCII. Not safe for concurrent writers of the same file.
class IniProfileStore : public ProfileStore {
  public:
    std::string GetString(std::string_view section, std::string_view key, std::string_view fallback,
                          std::size_t capacity, std::string_view path) override;

    bool WriteString(std::string_view section, std::string_view key, std::string_view value,
                     std::string_view path) override;
};

}  // namespace kn
