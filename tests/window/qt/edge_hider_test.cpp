#include "window/qt/edge_hider.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <vector>

namespace tabulex {
namespace {

// A window that snaps from its move event, as the main window does. Frameless: the offscreen
// platform nudges a framed window that is partly off screen back by its frame's width.
class DockingWindow final : public QWidget {
 public:
  DockingWindow() : QWidget(nullptr, Qt::FramelessWindowHint) {
    setGeometry(200, 150, 400, 300);
    show();
  }

  EdgeHider* hider{nullptr};

 protected:
  void moveEvent(QMoveEvent* event) override {
    QWidget::moveEvent(event);
    if (hider != nullptr) hider->OnMoved();
  }
};

class EdgeHiderTest : public testing::Test {
 protected:
  void SetUp() override {
    m_hider = new EdgeHider(m_window, m_settings, [this](bool shown) { keypad.push_back(shown); });
    m_window.hider = m_hider;
    QCursor::setPos(screenWidth - 100, 500);
  }

  int Left() const { return m_window.frameGeometry().left(); }
  int Top() const { return m_window.frameGeometry().top(); }
  int Width() const { return m_window.frameGeometry().width(); }
  bool Topmost() const { return m_window.windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

  const int screenWidth{QGuiApplication::primaryScreen()->geometry().width()};
  CalcSettings m_settings{};
  DockingWindow m_window;
  EdgeHider* m_hider{nullptr};
  std::vector<bool> keypad;
};

TEST_F(EdgeHiderTest, FlushLeftTucksAfterTheGraceAndComesBackUnderTheCursor) {
  m_window.move(0, 100);
  m_hider->OnActivated();
  for (int tick = 1; tick < 25; ++tick) m_hider->Tick();
  EXPECT_EQ(Left(), 0);
  EXPECT_FALSE(Topmost());

  m_hider->Tick();
  EXPECT_EQ(Left(), 5 - Width());
  EXPECT_EQ(Top(), 100);
  EXPECT_TRUE(Topmost());
  EXPECT_FALSE(keypad.back());

  QCursor::setPos(0, 200);
  m_hider->Tick();
  EXPECT_EQ(Left(), 0);
  EXPECT_FALSE(Topmost());
  EXPECT_TRUE(keypad.back());
}

TEST_F(EdgeHiderTest, DraggedPastTheLeftEdgeSnapsOnlyWithTheCursorAtTheEdge) {
  QCursor::setPos(3, 200);
  m_window.move(-30, 100);
  EXPECT_EQ(Left(), 0);

  QCursor::setPos(10, 200);
  m_window.move(-30, 100);
  EXPECT_EQ(Left(), -30);
}

TEST_F(EdgeHiderTest, ItsOwnTuckIsNotSnappedBackWithTheCursorNearTheEdge) {
  m_window.move(0, 100);
  QCursor::setPos(2, 599);  // below the window, at the left edge
  EXPECT_TRUE(m_hider->Tuck());
  QCoreApplication::processEvents();
  EXPECT_EQ(Left(), 5 - Width());
  EXPECT_TRUE(Topmost());

  // Coming out restores alwaysOnTop, whatever brings it out.
  m_hider->PullBackOnScreen();
  EXPECT_EQ(Left(), 0);
  EXPECT_FALSE(Topmost());
}

TEST_F(EdgeHiderTest, MaximisedWindowsNeverTuck) {
  m_window.showMaximized();
  QCoreApplication::processEvents();
  const QRect before = m_window.frameGeometry();
  EXPECT_FALSE(m_hider->Tuck());
  for (int tick = 0; tick < 3; ++tick) m_hider->Tick();
  EXPECT_EQ(m_window.frameGeometry(), before);
}

TEST_F(EdgeHiderTest, IntervalZeroStopsTheTimer) {
  const QTimer* timer = m_hider->findChild<QTimer*>();
  ASSERT_NE(timer, nullptr);
  m_hider->SetTimerInterval(100);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 100);
  m_hider->SetTimerInterval(0);
  EXPECT_FALSE(timer->isActive());
}

}  // namespace
}  // namespace tabulex
