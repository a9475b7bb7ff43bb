// The window position dialog "自定义窗口位置(请勿超出屏幕！)": the start bounds typed as four
// texts and written as typed. The settings window opens it when "记住窗口" is unchecked.
// Its rules live in settings/window_position.h.
#pragma once

#include <QDialog>

#include "base/placement_check.h"
#include "settings/settings_records.h"
#include "settings/settings_store.h"

class QLineEdit;
class QPushButton;

namespace tabulex {

class WindowPositionDialog final : public QDialog {
  Q_OBJECT

 public:
  // screen: the primary screen's size, against which the fields are checked.
  WindowPositionDialog(SettingsStore& store, ScreenRect screen, QWidget* parent);

 private:
  WindowPositionTexts Texts() const;
  void UpdateOk();
  void Confirm();

  SettingsStore& m_store;
  ScreenRect m_screen;
  QLineEdit* m_left{};
  QLineEdit* m_top{};
  QLineEdit* m_width{};
  QLineEdit* m_height{};
  QPushButton* m_ok{};
};

}  // namespace tabulex
