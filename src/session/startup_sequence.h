// The start-up sequence: the main window's created event, run once before the window is
// first shown. It reads the configuration key by key, in start-up order, into CalcSettings
// and applies each setting to the window as it goes. Afterwards the window layer shows the
// window, maximised or normally at the bounds it has by then.
#pragma once

#include "base/calc_settings.h"
#include "session/main_window_ports.h"
#include "settings/settings_store.h"

namespace tabulex {

enum class StartupOutcome {
  Started,
  // The single-instance step found a running instance: the process ends with exit code 0,
  // without showing the window and without the shutdown sequence.
  SecondInstance,
};

StartupOutcome RunStartupSequence(const SettingsStore& store, const MainWindowPorts& window,
                                  CalcSettings& settings);

}  // namespace tabulex
