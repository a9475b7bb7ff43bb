// A skin port that logs each call ("ApplySkin 8", "ApplyEffects true", ...) into a shared log.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "window/skin_port.h"

namespace tabulex {

class RecordingSkinPort final : public SkinPort {
 public:
  explicit RecordingSkinPort(std::vector<std::string>& log) : m_log{log} {}

  void ApplySkin(std::int32_t skinNumber) override {
    m_log.push_back("ApplySkin " + std::to_string(skinNumber));
  }
  void ApplyTransparency(std::int32_t skinSlider) override {
    m_log.push_back("ApplyTransparency " + std::to_string(skinSlider));
  }
  void ApplyEffects(bool on) override {
    m_log.push_back(std::string("ApplyEffects ") + (on ? "true" : "false"));
  }

 private:
  std::vector<std::string>& m_log;
};

}  // namespace tabulex
