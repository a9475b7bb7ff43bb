// The undo settings window "撤销步长": the maximum number of undo steps. Its rules live in
// settings/undo_limit_settings.h.
#pragma once

#include <QDialog>

#include "base/calc_settings.h"
#include "session/main_window_ports.h"
#include "settings/settings_store.h"

class QLineEdit;

namespace tabulex {

class UndoSettingsWindow final : public QDialog {
  Q_OBJECT

 public:
  UndoSettingsWindow(CalcSettings& settings, SettingsStore& store, const MainWindowPorts& window,
                     QWidget* parent);

 private:
  void Confirm();

  CalcSettings& m_settings;
  SettingsStore& m_store;
  MainWindowPorts m_window;
  QLineEdit* m_limit{};
};

}  // namespace tabulex
