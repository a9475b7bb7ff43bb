#include "settings/qt/window_position_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "settings/qt/settings_dialogs_fixture.h"
#include "support/widget_child.h"

namespace tabulex {
namespace {

TEST_F(SettingsDialogsTest, WindowPositionOkFollowsTheFields) {
  WindowPositionDialog dialog(m_store, ScreenRect{0, 0, 1920, 1080}, nullptr);
  auto* ok = Child<QPushButton>(dialog, "ok");
  auto* width = Child<QLineEdit>(dialog, "width");
  auto* height = Child<QLineEdit>(dialog, "height");
  // Stored: left 120, the rest missing ("0"): no usable bounds.
  EXPECT_EQ(Child<QLineEdit>(dialog, "top")->text(), "0");
  EXPECT_FALSE(ok->isEnabled());
  width->setText("600");
  EXPECT_FALSE(ok->isEnabled());
  height->setText("400 ");
  EXPECT_TRUE(ok->isEnabled());
  Child<QLineEdit>(dialog, "left")->setText("1911");
  EXPECT_FALSE(ok->isEnabled());
}

}  // namespace
}  // namespace tabulex
