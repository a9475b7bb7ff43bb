// EditorKeyUpHook, driven as keystrokes.
#include "editor/editor_key_up_hook.h"

#include <gtest/gtest.h>

#include "support/notifying_buffer.h"

namespace tabulex::testing {
namespace {

TEST(EditorKeyUpHookTest, TabReleaseConvertsTheResult) {
  EditorHarness editor;
  editor.Load("1+0.5=1.5");
  editor.Key(vk::kTab);
  EXPECT_EQ(GbkToUtf8(editor.buffer.Text()), "1+0.5=3∟2");
  editor.Key(vk::kTab);
  EXPECT_EQ(GbkToUtf8(editor.buffer.Text()), "1+0.5=1∟1∟2");
}

struct QuickInputCase {
  const char* typed;
  const char* shown;
};

constexpr QuickInputCase kQuickInputCases[] = {
    {"sin930", "sin(3)▮"}, {"41", "4!▮"}, {"50", "%)▮"}, {"26", "2^▮"}, {"2378", "2378▮"},
};

TEST(EditorKeyUpHookTest, QuickInputOnTheMainKeyboard) {
  for (const QuickInputCase& row : kQuickInputCases) {
    SCOPED_TRACE(row.typed);
    EditorHarness editor;
    editor.settings.quickInput = true;
    editor.Load("");
    editor.Type(row.typed);
    EXPECT_EQ(editor.Shown(), row.shown);
  }
}

TEST(EditorKeyUpHookTest, KeypadDigitsStayDigits) {
  EditorHarness editor;
  editor.settings.quickInput = true;
  editor.Load("");
  editor.Key(vk::kNumpad0 + 9, 0, "9");
  editor.Key(vk::kNumpad0 + 0, 0, "0");
  EXPECT_EQ(editor.Shown(), "90▮");
}

TEST(EditorKeyUpHookTest, QuickInputOffLeavesDigits) {
  EditorHarness editor;
  editor.Load("");
  editor.Type("90156");
  EXPECT_EQ(editor.Shown(), "90156▮");
}

// A release that did not type its digit (Ctrl+9, a key held by an input method) changes
// nothing.
TEST(EditorKeyUpHookTest, QuickInputNeedsTheTypedDigit) {
  EditorHarness editor;
  editor.settings.quickInput = true;
  editor.Load("3");
  editor.Key(vk::kDigit9, kCtrl);
  editor.Key(vk::kDigit0, 0);
  EXPECT_EQ(editor.Shown(), "3▮");
}

}  // namespace
}  // namespace tabulex::testing
