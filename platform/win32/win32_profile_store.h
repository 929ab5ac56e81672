// The profile strings through kernel32's GetPrivateProfileStringW and
// WritePrivateProfileStringW, each write made through a copy of the file.
#pragma once

#include "platform/profile_store.h"

namespace kn {

class Win32ProfileStore final : public ProfileStore {
  public:
    std::string GetString(std::string_view section, std::string_view key, std::string_view fallback,
                          std::size_t capacity, std::string_view path) override;
    bool WriteString(std::string_view section, std::string_view key, std::string_view value,
                     std::string_view path) override;
};

}  // namespace kn
