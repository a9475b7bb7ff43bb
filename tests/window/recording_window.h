// A main window for the window rules' tests: it writes down what the rules ask of its frame
// and its edge docking, in order ("show, normal, front ..."), on a 1280 x 800 screen.
#pragma once

#include <string>

#include "window/edge_port.h"
#include "window/window_frame_port.h"

namespace tabulex {

inline constexpr ScreenRect kScreen{0, 0, 1280, 800};

// Writes down what the rules ask of the window, in order.
class RecordingWindow final : public WindowFramePort, public EdgePort {
 public:
  RecordingWindow(bool shown, WindowBounds bounds) : m_shown{shown}, m_bounds{bounds} {}
  RecordingWindow() : RecordingWindow(true, {200, 150, 400, 300}) {}

  std::string calls;

  bool IsShown() const override { return m_shown; }
  WindowBounds Bounds() const override { return m_bounds; }
  ScreenRect PrimaryScreen() const override { return kScreen; }
  void ShowWindow() override { Note("show"); }
  void HideWindow() override { Note("hide"); }
  void Minimise() override { Note("minimise"); }
  void SetNormalState() override { Note("normal"); }
  void BringToFront() override { Note("front"); }
  void SetAlwaysOnTop(bool onTop) override { Note(onTop ? "topmost" : "not topmost"); }
  void FocusEditor() override { Note("focus"); }
  void SetCloseOnEsc(bool) override { Note("close on Esc"); }
  void ApplyBounds(const WindowBounds&) override { Note("apply bounds"); }
  void SetMaximised(bool) override { Note("maximised"); }
  void SetEdgeTimerInterval(std::int32_t) override { Note("edge timer"); }
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
