#include "session/shutdown_sequence.h"

#include <utility>

#include "settings/settings_writer.h"

namespace tabulex {

ShutdownSequence::ShutdownSequence(SettingsStore& store, RunFilesPaths paths,
                                   const MainWindowPorts& window, CalcSettings& settings)
    : m_store{store}, m_paths{std::move(paths)}, m_window{window}, m_settings{settings} {}

void ShutdownSequence::Arm() {
  if (m_stage == Stage::Waiting) m_stage = Stage::Armed;
}

bool ShutdownSequence::Run() {
  if (m_stage != Stage::Armed) return false;
  // Done before the work: nothing below may start a second run.
  m_stage = Stage::Done;
  SaveOnClose(m_store, m_paths, m_window.look.EditorFont(), m_window.document.CaretOffset(),
              m_settings);
  if (m_settings.keepContent) m_window.document.SaveContentBackup();
  m_window.desktop.RemoveTrayIcon();
  return true;
}

bool ShutdownSequence::SaveForSessionEnd() {
  if (m_stage != Stage::Armed) return false;
  // On a copy: the run counter goes up once per run, however often it is written.
  CalcSettings settings = m_settings;
  SaveOnClose(m_store, m_paths, m_window.look.EditorFont(), m_window.document.CaretOffset(),
              settings);
  if (settings.keepContent) m_window.document.SaveContentBackup();
  return true;
}

}  // namespace tabulex
