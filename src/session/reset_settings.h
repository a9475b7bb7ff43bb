// The reset command "&E.重置设置": back to the defaults at once, without a question. It
// deletes the configuration file and both backup files, so the next start reads every
// default; until then the settings it does not reset keep their values, and the shutdown
// that follows writes its own keys into a new file.
#pragma once

#include "base/calc_settings.h"
#include "session/main_window_ports.h"
#include "settings/run_files_directory.h"

namespace tabulex {

// In this order: the editor's font; the window's bounds (150, 150, 800 x 400); closeAction,
// skinNumber, skinSlider, undoLimit (applied to the history), runCount, precisionDigits,
// roundHalfUpFlag, laptopMode, newLinePasteResult, alwaysOnTop (the window stays on top
// until the next start or settings OK), resultToClipboard, newLineAfterCalc, angleUnit,
// enterInsertsNewLine, keepContent; skin effects off, transparency 0, skin 8; a white editor
// background (backgroundColor keeps its value); the files deleted (failures ignored); the
// edge grace countdown at 30 ticks.
void ResetSettings(CalcSettings& settings, const RunFilesPaths& paths,
                   const MainWindowPorts& window);

}  // namespace tabulex
