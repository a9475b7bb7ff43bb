// The shutdown: SaveOnClose, then the text backup when keepContent, then the tray icon goes.
// The closing steps run it from every way the program can end (the main window's
// destruction, the session ending, SIGTERM and SIGHUP); it does its work once per run, and
// only after a completed start-up, so a second instance ends without writing anything.
#pragma once

#include "base/calc_settings.h"
#include "session/main_window_ports.h"
#include "settings/run_files_directory.h"
#include "settings/settings_store.h"

namespace tabulex {

class ShutdownSequence {
 public:
  ShutdownSequence(SettingsStore& store, RunFilesPaths paths, const MainWindowPorts& window,
                   CalcSettings& settings);

  // The start-up sequence has completed: from now on Run writes.
  void Arm();

  // True when this call did the work; false before Arm and after the first run.
  bool Run();
  // Run would do the work now.
  bool Pending() const { return m_stage == Stage::Armed; }

  // The session is about to end (a logout asks first): everything Run writes is written now,
  // as Run would write it, while the program keeps running with its tray icon. The logout may
  // be cancelled; Run still does the whole shutdown when the program really ends, and writes
  // the same run counter.
  bool SaveForSessionEnd();

 private:
  enum class Stage { Waiting, Armed, Done };

  SettingsStore& m_store;
  RunFilesPaths m_paths;
  MainWindowPorts m_window;
  CalcSettings& m_settings;
  Stage m_stage{Stage::Waiting};
};

}  // namespace tabulex
