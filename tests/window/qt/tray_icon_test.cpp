#include "window/qt/tray_icon.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include <vector>

namespace tabulex {
namespace {

TEST(TrayIcon, TheMenuHoldsOpenAndExitAndTellsWhichWasChosen) {
  TrayIcon tray;
  EXPECT_EQ(tray.menu().objectName(), QString::fromUtf8("托盘菜单"));
  EXPECT_EQ(tray.icon().contextMenu(), &tray.menu());
  const QList<QAction*> actions = tray.menu().actions();
  ASSERT_EQ(actions.size(), 2);
  EXPECT_EQ(actions[0]->text(), QString::fromUtf8("打开科学计算器"));
  EXPECT_EQ(actions[1]->text(), QString::fromUtf8("退出"));

  int opened = 0;
  int exited = 0;
  QObject::connect(&tray, &TrayIcon::openCalculatorChosen, [&] { ++opened; });
  QObject::connect(&tray, &TrayIcon::exitChosen, [&] { ++exited; });
  actions[0]->trigger();
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(exited, 0);
  actions[1]->trigger();
  EXPECT_EQ(exited, 1);
}

TEST(TrayIcon, ClicksArriveAsTrayEventKinds) {
  TrayIcon tray;
  std::vector<std::int32_t> kinds;
  QObject::connect(&tray, &TrayIcon::trayEvent, [&](std::int32_t kind) { kinds.push_back(kind); });
  for (const auto reason :
       {QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick, QSystemTrayIcon::Context,
        QSystemTrayIcon::MiddleClick, QSystemTrayIcon::Unknown}) {
    emit tray.icon().activated(reason);
  }
  EXPECT_EQ(kinds, (std::vector<std::int32_t>{1, 2, 3}));
}

TEST(TrayIcon, AddShowsTheIconWithItsTooltipAndRemoveTakesItAway) {
  TrayIcon tray;
  EXPECT_EQ(tray.Presence(), TrayPresence::Missing);
  tray.Add();
  tray.Add();  // a second add only sets the icon again
  EXPECT_TRUE(tray.icon().isVisible());
  EXPECT_EQ(tray.icon().toolTip(), QStringLiteral("Tabulex"));
  const QList<QSize> sizes = tray.icon().icon().availableSizes();
  for (const int side : {16, 32, 48}) EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
  EXPECT_EQ(tray.Presence(), QSystemTrayIcon::isSystemTrayAvailable() ? TrayPresence::Available
                                                                      : TrayPresence::Missing);
  tray.Remove();
  EXPECT_FALSE(tray.icon().isVisible());
  EXPECT_EQ(tray.Presence(), TrayPresence::Missing);
}

}  // namespace
}  // namespace tabulex
