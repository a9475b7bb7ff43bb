// An in-memory configuration file for tests, given in UTF-8, that logs each write as
// "section/key=value" (UTF-8) into a log it shares with other recorders, so that the order of
// writes and other events can be checked together.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/gbk_text.h"
#include "settings/ini_document.h"
#include "settings/settings_store.h"

namespace tabulex {

// The log the recorders share, oldest entry first.
using EventLog = std::vector<std::string>;

class RecordingStore final : public SettingsStore {
 public:
  explicit RecordingStore(std::vector<std::string>& log, std::string_view utf8Text = {})
      : m_log{log}, m_document{Utf8ToGbk(utf8Text)} {}

  std::string ReadKey(std::string_view section, std::string_view key,
                      std::string_view defaultText) const override {
    return m_document.ReadKey(section, key, defaultText);
  }
  bool WriteKey(std::string_view section, std::string_view key, std::string_view value) override {
    m_log.push_back(GbkToUtf8(section) + "/" + GbkToUtf8(key) + "=" + GbkToUtf8(value));
    return m_document.WriteKey(section, key, value);
  }

  // UTF-8 in and out; "absent" for a missing key.
  std::string Read(std::string_view utf8Section, std::string_view utf8Key) const {
    return GbkToUtf8(m_document.ReadKey(Utf8ToGbk(utf8Section), Utf8ToGbk(utf8Key), "absent"));
  }

 private:
  std::vector<std::string>& m_log;
  IniDocument m_document;
};

}  // namespace tabulex
