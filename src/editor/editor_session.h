// Everything the editor's handlers work with: the editor and the calculation's context, the
// status bar's first two parts, the undo history and the main window. Owned by the main
// window; a session only refers to them.
#pragma once

#include "editor/undo_history.h"
#include "editor/window_actions.h"
#include "engine/calc_context.h"

namespace tabulex {

struct EditorSession {
  EditorBuffer& editor;
  CalcSettings& settings;
  CalculationState& state;
  StatusSink& messages;       // status bar part 0
  StatusSink& caretPosition;  // status bar part 1
  Clipboard& clipboard;
  TickSource& ticks;
  UndoHistory& undo;
  WindowActions& window;

  CalcContext Calc() const {
    return CalcContext{editor, settings, state, messages, clipboard, ticks};
  }
};

}  // namespace tabulex
