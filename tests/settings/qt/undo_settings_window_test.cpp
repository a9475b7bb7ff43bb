#include "settings/qt/undo_settings_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "settings/qt/settings_dialogs_fixture.h"
#include "support/widget_child.h"

namespace tabulex {
namespace {

TEST_F(SettingsDialogsTest, UndoWindowRefusesMoreThan500WithAMessage) {
  m_settings.undoLimit = 70;
  UndoSettingsWindow window(m_settings, m_store, m_effects, nullptr);
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("撤销步长"));
  auto* field = Child<QLineEdit>(window, "undoLimit");
  EXPECT_EQ(field->text(), "70");
  EXPECT_EQ(field->cursorPosition(), 2);

  field->setText("500.5");
  QString title;
  QString text;
  EXPECT_EQ(WithModal([&] { Child<QPushButton>(window, "ok")->click(); },
                      [&](QWidget* modal) {
                        auto* box = qobject_cast<QMessageBox*>(modal);
                        ASSERT_NE(box, nullptr);
                        title = box->windowTitle();
                        text = box->text();
                        EXPECT_EQ(box->icon(), QMessageBox::Critical);
                        box->button(QMessageBox::Ok)->click();
                      }),
            1);
  EXPECT_EQ(title, QString::fromUtf8("错误！"));
  EXPECT_EQ(text, QString::fromUtf8("错误，最大撤销步数不能大于500！"));
  EXPECT_EQ(window.result(), 0);
  EXPECT_EQ(m_settings.undoLimit, 70);

  field->setText("500");
  Child<QPushButton>(window, "ok")->click();
  EXPECT_EQ(window.result(), QDialog::Accepted);
  EXPECT_EQ(m_settings.undoLimit, 500);
  EXPECT_EQ(m_log, (EventLog{"SetUndoLimit 500", "运行设置/撤销设置=500"}));
}

}  // namespace
}  // namespace tabulex
