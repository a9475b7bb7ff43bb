#include "settings/qt/settings_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>

#include "settings/qt/settings_dialogs_fixture.h"
#include "support/widget_child.h"

namespace tabulex {
namespace {

bool Written(const EventLog& log, const std::string& write) {
  return std::find(log.begin(), log.end(), write) != log.end();
}

TEST_F(SettingsDialogsTest, SettingsWindowShowsTheSettings) {
  m_settings.fullScreenKeyModifier = 4;
  m_settings.hotkeyKey = 117;
  m_settings.angleUnit = 7;
  m_settings.closeAction = 9;
  SettingsWindow window(m_settings, m_store, m_effects, nullptr);
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("快捷设置"));
  const auto* tabs = window.findChild<QTabWidget*>();
  ASSERT_NE(tabs, nullptr);
  ASSERT_EQ(tabs->count(), 3);
  EXPECT_EQ(tabs->tabText(0), QString::fromUtf8("常规设置"));
  EXPECT_EQ(tabs->tabText(1), QString::fromUtf8("运算结果"));
  EXPECT_EQ(tabs->tabText(2), QString::fromUtf8("快捷键"));

  EXPECT_TRUE(Child<QCheckBox>(window, "rememberWindow")->isChecked());
  EXPECT_TRUE(Child<QCheckBox>(window, "wordWrap")->isChecked());
  EXPECT_EQ(Child<QComboBox>(window, "fullScreenModifier")->currentText(), "Alt");
  EXPECT_EQ(Child<QComboBox>(window, "hotkeyKey")->currentText(), "F6");
  EXPECT_TRUE(Child<QRadioButton>(window, "angleGrads")->isChecked());
  for (const char* exit : {"closeAsk", "closeExit", "closeToTray"}) {
    EXPECT_FALSE(Child<QRadioButton>(window, exit)->isChecked()) << exit;
  }
  EXPECT_TRUE(Child<QRadioButton>(window, "decimalRounding")->isChecked());
  EXPECT_FALSE(Child<QRadioButton>(window, "decimalPadding")->isChecked());
  EXPECT_EQ(Child<QLineEdit>(window, "precisionDigits")->text(), "13");
  EXPECT_EQ(Child<QCheckBox>(window, "alwaysOnTop")->toolTip(),
            QString::fromUtf8("始终在屏幕前方，不会被其他窗口挡住"));
}

// On Wayland the window cannot stay on top, hide at an edge or take a global hotkey: those
// controls are off, each with a tooltip saying why, and OK keeps their settings as they are.
TEST_F(SettingsDialogsTest, WhatThePlatformCannotDoIsDisabledWithTheReason) {
  m_settings.alwaysOnTop = true;
  m_settings.hotkeyEnabled = true;
  SettingsWindow window(m_settings, m_store, m_effects, nullptr, PlatformAbilitiesOf("wayland"));
  for (const char* name :
       {"alwaysOnTop", "edgeHiding", "hotkeyEnabled", "hotkeyModifier", "hotkeyKey"}) {
    SCOPED_TRACE(name);
    const QWidget* control = Child<QWidget>(window, name);
    ASSERT_NE(control, nullptr);
    EXPECT_FALSE(control->isEnabled());
    EXPECT_TRUE(control->toolTip().startsWith(QString::fromUtf8("Wayland 桌面不允许")));
  }
  EXPECT_TRUE(Child<QWidget>(window, "fullScreenKeyEnabled")->isEnabled());
  Child<QPushButton>(window, "ok")->click();
  EXPECT_TRUE(m_settings.alwaysOnTop);
  EXPECT_TRUE(m_settings.hotkeyEnabled);
}

TEST_F(SettingsDialogsTest, EachEnableBoxEnablesItsTwoLists) {
  m_settings.hotkeyEnabled = true;
  SettingsWindow window(m_settings, m_store, m_effects, nullptr);
  const struct {
    const char* box;
    const char* modifier;
    const char* key;
    bool initially;
  } rows[] = {{"hotkeyEnabled", "hotkeyModifier", "hotkeyKey", true},
              {"fullScreenKeyEnabled", "fullScreenModifier", "fullScreenKey", false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.box);
    auto* box = Child<QCheckBox>(window, row.box);
    auto* modifier = Child<QComboBox>(window, row.modifier);
    auto* key = Child<QComboBox>(window, row.key);
    EXPECT_EQ(modifier->isEnabled(), row.initially);
    EXPECT_EQ(key->isEnabled(), row.initially);
    box->click();
    EXPECT_EQ(modifier->isEnabled(), !row.initially);
    EXPECT_EQ(key->isEnabled(), !row.initially);
  }
}

TEST_F(SettingsDialogsTest, OkTakesTheControlsAndWrites) {
  SettingsWindow window(m_settings, m_store, m_effects, nullptr);
  Child<QCheckBox>(window, "laptopMode")->click();
  Child<QRadioButton>(window, "angleGrads")->click();
  Child<QRadioButton>(window, "closeToTray")->click();
  Child<QCheckBox>(window, "hotkeyEnabled")->click();
  Child<QComboBox>(window, "hotkeyModifier")->setCurrentIndex(1);
  Child<QComboBox>(window, "hotkeyKey")->setCurrentIndex(5);
  Child<QComboBox>(window, "thousandsSeparator")->setCurrentIndex(1);
  Child<QLineEdit>(window, "precisionDigits")->setText("13.9");
  Child<QPushButton>(window, "ok")->click();

  EXPECT_EQ(window.result(), QDialog::Accepted);
  EXPECT_TRUE(m_settings.laptopMode);
  EXPECT_EQ(m_settings.angleUnit, 2);
  EXPECT_EQ(m_settings.closeAction, 2);
  EXPECT_EQ(m_settings.thousandsSeparator, 1);
  EXPECT_EQ(m_settings.precisionDigits, 13);
  EXPECT_TRUE(Written(m_log, "RegisterShowHideHotkey 1+117"));
  EXPECT_TRUE(Written(m_log, "SetWordWrap true"));
  EXPECT_TRUE(Written(m_log, "其他设置/角度制选中=2"));
  EXPECT_EQ(m_log.back(), "其他设置/按esc退出 =假");
}

TEST_F(SettingsDialogsTest, DigitsAboveThirteenGreyOutOkUntilTheWindowCloses) {
  SettingsWindow window(m_settings, m_store, m_effects, nullptr);
  Child<QCheckBox>(window, "alwaysOnTop")->click();
  auto* digits = Child<QLineEdit>(window, "precisionDigits");
  auto* ok = Child<QPushButton>(window, "ok");
  digits->setText("14");
  ok->click();
  EXPECT_FALSE(ok->isEnabled());
  EXPECT_EQ(window.result(), 0);
  EXPECT_EQ(m_log, EventLog{"SetAlwaysOnTop true"});

  digits->setText("13");
  EXPECT_FALSE(ok->isEnabled());
  Child<QPushButton>(window, "cancel")->click();
  EXPECT_EQ(window.result(), QDialog::Rejected);
  EXPECT_EQ(m_log, EventLog{"SetAlwaysOnTop true"});
}

TEST_F(SettingsDialogsTest, UncheckingRememberWindowAsksForTheStartBounds) {
  SettingsWindow window(m_settings, m_store, m_effects, nullptr);
  auto* remember = Child<QCheckBox>(window, "rememberWindow");

  // Cancelled: the box is checked again.
  QString title;
  EXPECT_EQ(WithModal([&] { remember->click(); },
                      [&](QWidget* dialog) {
                        title = dialog->windowTitle();
                        Child<QPushButton>(*dialog, "cancel")->click();
                      }),
            1);
  EXPECT_EQ(title, QString::fromUtf8("自定义窗口位置(请勿超出屏幕！)"));
  EXPECT_TRUE(remember->isChecked());
  EXPECT_TRUE(m_log.empty());

  // Confirmed: the bounds are written and the box stays unchecked.
  EXPECT_EQ(WithModal([&] { remember->click(); },
                      [&](QWidget* dialog) {
                        EXPECT_EQ(Child<QLineEdit>(*dialog, "left")->text(), "120");
                        Child<QLineEdit>(*dialog, "top")->setText("100");
                        Child<QLineEdit>(*dialog, "width")->setText("600");
                        Child<QLineEdit>(*dialog, "height")->setText("400");
                        Child<QPushButton>(*dialog, "ok")->click();
                      }),
            1);
  EXPECT_FALSE(remember->isChecked());
  EXPECT_EQ(m_log,
            (EventLog{"启动窗口位置/_启动窗口.左边=120", "启动窗口位置/_启动窗口.顶边=100",
                      "启动窗口位置/_启动窗口.宽度=600", "启动窗口位置/_启动窗口.高度=400"}));

  // Checking it again opens nothing.
  EXPECT_EQ(WithModal([&] { remember->click(); }, [](QWidget* dialog) { dialog->close(); }), 0);
  EXPECT_TRUE(remember->isChecked());
}

}  // namespace
}  // namespace tabulex
