#include "window/status_bar_layout.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tabulex {

static void PrintTo(const StatusBarWidths& w, std::ostream* out) {
  *out << "{" << w.messages << ", " << w.caretPosition << ", " << w.clock << "}";
}
static void PrintTo(const EditorArea& a, std::ostream* out) {
  *out << "{" << a.left << ", " << a.top << ", " << a.width << ", " << a.height << "}";
}

namespace {

TEST(LayoutMainWindow, PartsAndEditorFollowTheClientArea) {
  using F = FullScreenMode;
  const struct {
    const char* name;
    ClientArea client;
    F mode;
    StatusBarWidths parts;
    EditorArea editor;
  } rows[] = {
      {"wide window", {1000, 600, 22}, F::Off, {450, 200, 345}, {0, 0, 1000, 578}},
      {"just wide enough for all three", {850, 300, 22}, F::Off, {300, 200, 345}, {0, 0, 850, 278}},
      // Narrower, the messages keep their room: the clock gives way first, then the caret.
      {"the clock narrower", {844, 300, 22}, F::Off, {300, 200, 344}, {0, 0, 844, 278}},
      {"default window at twice the scale",
       {480, 300, 22},
       F::Off,
       {300, 180, 0},
       {0, 0, 480, 278}},
      {"no room beside the messages", {300, 300, 22}, F::Off, {300, 0, 0}, {0, 0, 300, 278}},
      {"full screen: the whole client area",
       {1000, 600, 22},
       F::On,
       {450, 200, 345},
       {0, 0, 1000, 600}},
      {"lower than the status bar", {200, 10, 22}, F::Off, {200, 0, 0}, {0, 0, 200, 0}},
      {"collapsed", {0, 0, 22}, F::Off, {0, 0, 0}, {0, 0, 0, 0}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const MainWindowLayout layout = LayoutMainWindow(row.client, row.mode);
    EXPECT_EQ(layout.statusBar, row.parts);
    EXPECT_EQ(layout.editor, row.editor);
  }
}

}  // namespace
}  // namespace tabulex
