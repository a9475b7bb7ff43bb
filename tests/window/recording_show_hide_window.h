// The window the show/hide rules act on, as a recorder on a 1280 x 800 screen, and the calls
// that bring it back in front.
#pragma once

#include <cstdint>
#include <string>

#include "window/show_hide_action.h"

namespace tabulex {

inline constexpr ScreenRect kScreen{0, 0, 1280, 800};

// Writes down what the rules ask of the window, in order.
class RecordingWindow final : public ShowHideWindowPort {
 public:
  RecordingWindow(bool shown, WindowBounds bounds) : m_shown{shown}, m_bounds{bounds} {}

  std::string calls;

  bool IsShown() const override { return m_shown; }
  WindowBounds Bounds() const override { return m_bounds; }
  ScreenRect PrimaryScreen() const override { return kScreen; }
  void ShowWindow() override { Note("show"); }
  void HideWindow() override { Note("hide"); }
  void SetNormalState() override { Note("normal"); }
  void BringToFront() override { Note("front"); }
  void SetAlwaysOnTop(bool onTop) override { Note(onTop ? "topmost" : "not topmost"); }
  void FocusEditor() override { Note("focus"); }
  void PullBackOnScreen() override { Note("pull back"); }
  void Tuck() override { Note("tuck"); }
  void SetEdgeGraceTicks(std::int32_t ticks) override { Note("grace " + std::to_string(ticks)); }

 private:
  void Note(const std::string& call) { calls += (calls.empty() ? "" : ", ") + call; }

  bool m_shown;
  WindowBounds m_bounds;
};

inline constexpr const char* kShowInFront =
    "show, normal, front, not topmost, focus, pull back, grace 25";

}  // namespace tabulex
