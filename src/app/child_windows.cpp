#include "app/child_windows.h"

#include <QMainWindow>

#include "app/look_adapter.h"
#include "editor/qt/find_window.h"
#include "editor/qt/main_editor.h"
#include "tools/accumulator_combination.h"
#include "tools/qt/accumulator_window.h"
#include "tools/qt/clear_accumulator_dialog.h"
#include "tools/qt/keypad_window.h"
#include "tools/qt/tool_window.h"
#include "window/qt/appearance_window.h"
#include "window/qt/editor_font_dialog.h"
#include "window/qt/skin_engine.h"

namespace tabulex {

void ChildWindows::OpenFind() {
  if (m_findWindow == nullptr) {
    m_findWindow = new FindWindow(&m_parts.window, m_findState, m_parts.editor.buffer(),
                                  [this] { m_parts.editor.setFocus(); });
    m_findWindow->setAttribute(Qt::WA_DeleteOnClose);
  }
  m_findWindow->show();
  m_findWindow->raise();
}

void ChildWindows::OpenKeypad() {
  if (m_keypad == nullptr) {
    m_keypad = new KeypadWindow(
        &m_parts.window, m_parts.session, m_parts.commands, m_parts.store,
        [this] { m_parts.editor.setFocus(); }, m_parts.clearAll);
  }
  m_keypad->show();
  m_parts.editor.setFocus();
}

void ChildWindows::ToggleKeypad() {
  if (m_keypad != nullptr) {
    m_keypad->close();
  } else {
    OpenKeypad();
  }
}

void ChildWindows::CloseKeypad() {
  if (m_keypad != nullptr) m_keypad->close();
}

void ChildWindows::FollowMainWindow(bool shown) {
  if (m_keypad != nullptr && m_keypad->isVisible() != shown) m_keypad->setVisible(shown);
}

void ChildWindows::OpenAccumulator() {
  CalculationState& state = m_parts.session.state;
  auto* window = new AccumulatorWindow(state.accumulatorList, &m_parts.window);
  const std::uint64_t ticket = m_accumulatorClearing.Ticket();
  QObject::connect(window, &AccumulatorWindow::combinationChosen, &m_parts.window,
                   [this, ticket](const std::vector<int>& serials, AccumulatorOperation operation) {
                     if (!m_accumulatorClearing.IsCurrent(ticket)) return;  // its entries are gone
                     CalculateAccumulatorCombination(m_parts.session.Calc(), serials, operation);
                     m_parts.editor.setFocus();
                   });
  window->show();
  // The keyboard stays with the editor: typing goes on in the main window.
  m_parts.window.activateWindow();
}

void ChildWindows::ClearAccumulator() {
  if (ClearAccumulatorDialog(&m_parts.window).Confirm()) {
    m_accumulatorClearing.Clear(m_parts.session.state.accumulatorList);
  }
}

void ChildWindows::OpenToolWindow(int tab) {
  m_toolWindowTab = tab;
  OpenToolWindow();
}

void ChildWindows::OpenToolWindow() {
  ToolWindow(m_toolWindowTab, &m_parts.window).exec();
}

void ChildWindows::OpenAppearance() {
  LookAdapter& look = m_parts.look;
  AppearanceWindow window(m_parts.session.settings, m_parts.store, m_parts.skins, look.FontColor(),
                          &m_parts.window, m_parts.platform);
  QObject::connect(&window, &AppearanceWindow::ColoursChosen, &m_parts.window,
                   [&look](std::int32_t fontColor, std::int32_t backgroundColor) {
                     look.SetEditorBackgroundColor(backgroundColor);
                     EditorProperties font = look.EditorFont();
                     font.fontColor = fontColor;
                     look.ApplyEditorFont(font);
                   });
  window.exec();
}

void ChildWindows::ChooseFont() {
  LookAdapter& look = m_parts.look;
  if (const std::optional<EditorProperties> chosen =
          ChooseEditorFont(look.EditorFont(), &m_parts.window)) {
    look.ApplyEditorFont(*chosen);
  }
}

}  // namespace tabulex
