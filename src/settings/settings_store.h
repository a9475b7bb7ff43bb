// Where settings are read from and written to, key by key. ConfigFile is the real one; the
// start-up and shutdown steps take this interface so that the order of their reads and
// writes can be watched. Texts are GBK.
#pragma once

#include <string>
#include <string_view>

namespace tabulex {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The stored value, or defaultText when the key (or the whole store) is missing.
  virtual std::string ReadKey(std::string_view section, std::string_view key,
                              std::string_view defaultText) const = 0;

  // Creates the section and key as needed. False when the write did not happen; callers
  // ignore it, as a settings write never reports failure to the user.
  virtual bool WriteKey(std::string_view section, std::string_view key, std::string_view value) = 0;
};

}  // namespace tabulex
