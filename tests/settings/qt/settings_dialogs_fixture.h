// The settings dialogs under test: an in-memory configuration file and a main window whose
// effects are logged into one log, and the modal windows a dialog opens answered as they come.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "base/calc_settings.h"
#include "support/settings_dialog_recorders.h"

namespace tabulex {

// Runs action while answer handles the modal window it opens (if any), which is passed in.
// Returns how many modal windows were handled.
inline int WithModal(const std::function<void()>& action,
                     const std::function<void(QWidget*)>& answer) {
  int opened = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      ++opened;
      answer(modal);
    }
  });
  timer.start(10);
  action();
  return opened;
}

class SettingsDialogsTest : public ::testing::Test {
 protected:
  EventLog m_log;
  RecordingStore m_store{m_log, "[其他设置]\n自动折回=真\n[启动窗口位置]\n_启动窗口.左边=120\n"};
  RecordingEffects m_effects{m_log};
  CalcSettings m_settings;
};

}  // namespace tabulex
