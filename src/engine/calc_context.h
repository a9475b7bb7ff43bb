// Everything a calculation run works with: the editor, the settings, the program-wide state
// and the platform services. Owned elsewhere; a context only refers to them.
#pragma once

#include "base/calc_settings.h"
#include "engine/calculation_state.h"
#include "engine/clipboard.h"
#include "engine/editor_buffer.h"
#include "engine/status_sink.h"
#include "engine/tick_source.h"

namespace tabulex {

struct CalcContext {
  EditorBuffer& editor;
  const CalcSettings& settings;
  CalculationState& state;
  StatusSink& status;
  Clipboard& clipboard;
  TickSource& ticks;
};

}  // namespace tabulex
