#include "window/qt/window_front.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <QWindow>

namespace tabulex {
namespace {

TEST(WindowFront, StaysOnTopChangesNeitherVisibilityNorGeometry) {
  QWidget window;
  window.setGeometry(120, 140, 400, 300);
  window.show();
  const QRect geometry = window.geometry();

  for (const bool onTop : {true, false, true}) {
    SCOPED_TRACE(onTop);
    SetStaysOnTop(window, onTop);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), geometry);
    EXPECT_EQ(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    ASSERT_NE(window.windowHandle(), nullptr);
    EXPECT_EQ(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), onTop);
  }
}

TEST(WindowFront, StaysOnTopSetBeforeTheFirstShowReachesTheNativeWindow) {
  QWidget window;
  SetStaysOnTop(window, true);
  EXPECT_FALSE(window.isVisible());
  window.show();
  ASSERT_NE(window.windowHandle(), nullptr);
  EXPECT_TRUE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST(WindowFront, RestoreBringsBackAMinimisedOrHiddenWindowAndKeepsMaximised) {
  const struct {
    const char* name;
    Qt::WindowStates before;
    bool hidden;
    Qt::WindowStates after;
  } rows[] = {
      {"minimised", Qt::WindowMinimized, false, Qt::WindowNoState},
      {"minimised, then hidden to the tray", Qt::WindowMinimized, true, Qt::WindowNoState},
      {"hidden", Qt::WindowNoState, true, Qt::WindowNoState},
      {"maximised, then minimised", Qt::WindowMaximized | Qt::WindowMinimized, false,
       Qt::WindowMaximized},
      {"maximised", Qt::WindowMaximized, false, Qt::WindowMaximized},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    QWidget window;
    window.setGeometry(120, 140, 400, 300);
    window.show();
    window.setWindowState(row.before);
    if (row.hidden) window.hide();
    RestoreWindow(window);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowState(), row.after);
  }
}

}  // namespace
}  // namespace tabulex
