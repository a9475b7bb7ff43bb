// The configuration file on disk: a GBK INI file read and written key by key.
//
// Every ReadKey reads the file afresh (a missing or unreadable file gives the default).
// Every WriteKey is a read-modify-write of the whole file under an exclusive flock on its
// directory, so writers in several processes never lose each other's keys, and it replaces
// the file atomically (temporary file in the same directory, fsync, rename): an interrupted
// or failed write leaves the old file as it was. It never creates the directory: until the
// directory exists, writes fail (false), which callers ignore.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace tabulex {

class ConfigFile final : public SettingsStore {
 public:
  explicit ConfigFile(std::filesystem::path path);

  const std::filesystem::path& Path() const { return m_path; }

  std::string ReadKey(std::string_view section, std::string_view key,
                      std::string_view defaultText) const override;

  // Also false when the existing file may not be written (read-only) or cannot be read, or
  // when the names cannot be stored (see IniDocument::WriteKey). An existing file keeps its
  // permission bits (and, where allowed, its owner).
  bool WriteKey(std::string_view section, std::string_view key, std::string_view value) override;

  bool Exists() const;

  // Deletes the file, under the same lock as writes. True when the file is gone afterwards.
  bool Remove();

 private:
  std::filesystem::path m_path;
};

}  // namespace tabulex
