// Test doubles for the settings dialogs: an in-memory configuration file and a main window
// whose effects are logged, both into one log, so that the order of writes and effects
// across both can be checked.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/gbk_text.h"
#include "support/null_main_window.h"
#include "support/recording_store.h"

namespace tabulex {

class RecordingEffects final : public NullMainWindow {
 public:
  explicit RecordingEffects(EventLog& log) : m_log{log} {}

  void SetAlwaysOnTop(bool on) override { Log("SetAlwaysOnTop", on); }
  void SetCloseOnEsc(bool on) override { Log("SetCloseOnEsc", on); }
  void UnregisterShowHideHotkey() override { m_log.push_back("UnregisterShowHideHotkey"); }
  void RegisterShowHideHotkey(std::int32_t modifier, std::int32_t key) override {
    m_log.push_back("RegisterShowHideHotkey " + std::to_string(modifier) + "+" +
                    std::to_string(key));
  }
  void SetWordWrap(bool on) override { Log("SetWordWrap", on); }
  void SetEdgeTimerInterval(std::int32_t ms) override { Log("SetEdgeTimerInterval", ms); }
  void SetUndoLimit(std::int32_t limit) override { Log("SetUndoLimit", limit); }
  void ApplyEditorFont(const EditorProperties& font) override {
    m_log.push_back("ApplyEditorFont " + std::string(font.fontBold ? "b" : "") +
                    (font.fontItalic ? "i" : "") + (font.fontStrikeOut ? "s" : "") +
                    (font.fontUnderline ? "u" : "") + font.fontName + " " +
                    std::to_string(font.fontSize) + " " + std::to_string(font.fontColor));
  }
  void ApplyBounds(const WindowBounds& b) override {
    m_log.push_back("ApplyBounds " + std::to_string(b.left) + "," + std::to_string(b.top) + "," +
                    std::to_string(b.width) + "," + std::to_string(b.height));
  }
  void ApplyEffects(bool on) override { Log("ApplySkinEffects", on); }
  void ApplyTransparency(std::int32_t slider) override { Log("ApplySkinTransparency", slider); }
  void ApplySkin(std::int32_t skin) override { Log("ApplySkin", skin); }
  void SetEditorBackgroundColor(std::int32_t color) override {
    Log("SetEditorBackgroundColor", color);
  }
  void SetEdgeGraceTicks(std::int32_t ticks) override { Log("SetEdgeGraceTicks", ticks); }

 private:
  void Log(const char* call, bool value) {
    m_log.push_back(std::string(call) + (value ? " true" : " false"));
  }
  void Log(const char* call, std::int32_t value) {
    m_log.push_back(std::string(call) + " " + std::to_string(value));
  }

  EventLog& m_log;
};

}  // namespace tabulex
