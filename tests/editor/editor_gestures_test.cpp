#include "editor/editor_gestures.h"

#include <gtest/gtest.h>

#include "support/notifying_buffer.h"

namespace tabulex::testing {
namespace {

using Move = std::pair<int, int>;

TEST(EditorGesturesTest, CtrlDragMovesTheWindowByTheCursorsWay) {
  EditorHarness editor;
  editor.window.left = 10;
  editor.window.top = 20;
  editor.gestures.OnLeftButtonDown(100, 200);
  editor.gestures.OnMouseMove(130, 190, kCtrl);
  editor.gestures.OnMouseMove(90, 250, kCtrl);
  EXPECT_EQ(editor.window.moves, (std::vector<Move>{{40, 10}, {0, 70}}));
}

TEST(EditorGesturesTest, NoMoveWithoutCtrlAloneOrWithoutTheButton) {
  EditorHarness editor;
  editor.gestures.OnMouseMove(130, 190, kCtrl);  // button not held
  editor.gestures.OnLeftButtonDown(100, 200);
  editor.gestures.OnMouseMove(130, 190, 0);
  editor.gestures.OnMouseMove(130, 190, kCtrl | kShift);
  editor.gestures.OnLeftButtonUp(kCtrl);
  editor.gestures.OnMouseMove(130, 190, kCtrl);
  EXPECT_TRUE(editor.window.moves.empty());
  EXPECT_FALSE(editor.gestures.DragState().held);
}

TEST(EditorGesturesTest, MouseAndFocusShowTheCaretPosition) {
  EditorHarness editor;
  editor.Load("ab\r\nc▮d");
  editor.gestures.OnLeftButtonDown(0, 0);
  editor.gestures.OnMouseMove(0, 0, 0);
  editor.gestures.OnFocusIn();
  ASSERT_EQ(editor.caretPosition.messages.size(), 3u);
  EXPECT_EQ(EditorHarness::LastOf(editor.caretPosition), " 行: 2,列: 2,");
}

struct CopyCase {
  const char* start;  // "«" "»" around the selection, or "▮" for none
  const char* shown;
};

constexpr CopyCase kCopyCases[] = {
    {"ab«cd»ef\r\nxy", "abcdef\r\ncd▮\r\nxy"},
    {"x\r\n«ab»c\r\ny", "x\r\nabc\r\nab▮\r\ny"},
    {"«ab»c\r\nd", "abc\r\nab▮\r\nd"},
    {"ab▮c\r\nd", "abc\r\n▮\r\nd"},
    {"«价格»=1\r\n", "价格=1\r\n价格▮\r\n"},
    // On the last line the copy goes below a new line break at the end.
    {"ab\r\nc«d»e", "ab\r\ncde\r\nd▮\r\n"},
    {"«abc»", "abc\r\nabc▮\r\n"},
    // A selection over a line break: the copy goes below the first of its lines.
    {"a«b\r\nc»d\r\ne", "ab\r\nb\r\nc▮\r\ncd\r\ne"},
};

TEST(EditorGesturesTest, AltReleaseCopiesTheSelectionBelowItsLine) {
  for (const CopyCase& row : kCopyCases) {
    SCOPED_TRACE(row.start);
    EditorHarness editor;
    editor.Load(row.start);
    editor.gestures.OnLeftButtonDown(0, 0);
    editor.gestures.OnLeftButtonUp(kAlt);
    EXPECT_EQ(editor.Shown(), row.shown);
  }
}

TEST(EditorGesturesTest, ReleaseWithOtherModifiersCopiesNothing) {
  for (const int modifiers : {0, kCtrl, kAlt | kShift, kAlt | kCtrl}) {
    SCOPED_TRACE(modifiers);
    EditorHarness editor;
    editor.Load("a«b»c");
    editor.gestures.OnLeftButtonUp(modifiers);
    EXPECT_EQ(editor.Shown(), "a«b»c");
  }
}

struct ZoomCase {
  int size;
  int notches;
  int modifiers;
  int zoomed;
};

constexpr ZoomCase kZoomCases[] = {
    {14, 1, kCtrl, 15}, {14, -3, kCtrl, 11}, {14, 2, 0, 14},   {14, 2, kCtrl | kShift, 14},
    {3, -5, kCtrl, 1},  {1, -1, kCtrl, 1},   {1, 1, kCtrl, 2},
};

TEST(EditorGesturesTest, CtrlWheelZoomsOnePointPerNotchNeverBelowOne) {
  for (const ZoomCase& row : kZoomCases) {
    SCOPED_TRACE(::testing::Message() << row.size << " " << row.notches << " " << row.modifiers);
    EXPECT_EQ(EditorGestures::ZoomedFontSize(row.size, row.notches, row.modifiers), row.zoomed);
  }
}

TEST(EditorGesturesTest, WheelPartsOfANotchAddUpWithCtrl) {
  const struct {
    const char* name;
    std::vector<std::pair<int, int>> turns;  // angle delta, modifiers
    std::vector<int> notches;
  } rows[] = {
      {"a notch at a time", {{120, kCtrl}, {-240, kCtrl}}, {1, -2}},
      {"thirds of a notch", {{40, kCtrl}, {40, kCtrl}, {40, kCtrl}, {40, kCtrl}}, {0, 0, 1, 0}},
      {"more than a notch keeps the rest", {{150, kCtrl}, {90, kCtrl}}, {1, 1}},
      {"a turn back starts afresh", {{100, kCtrl}, {-100, kCtrl}, {-20, kCtrl}}, {0, 0, -1}},
      {"without Ctrl nothing is kept", {{100, kCtrl}, {100, 0}, {100, kCtrl}}, {0, 0, 0}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EditorHarness editor;
    std::vector<int> notches;
    for (const auto& [delta, modifiers] : row.turns) {
      notches.push_back(editor.gestures.WheelNotches(delta, modifiers));
    }
    EXPECT_EQ(notches, row.notches);
  }
}

}  // namespace
}  // namespace tabulex::testing
