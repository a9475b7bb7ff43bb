// MainWindow: the calculator's window. It owns the editor, the status bar, the menus and the
// program-wide state, and wires them together; the behaviour lives in the logic units and
// widgets it connects. It is also the window the start-up and shutdown sequences act on.
#pragma once

#include <QMainWindow>

#include <memory>

#include "app/child_windows.h"
#include "app/desktop_adapter.h"
#include "app/document_adapter.h"
#include "app/document_controller.h"
#include "app/edge_adapter.h"
#include "app/look_adapter.h"
#include "app/main_menus.h"
#include "app/qt_clipboard.h"
#include "app/window_frame_adapter.h"
#include "base/calc_settings.h"
#include "editor/document_state.h"
#include "editor/edit_commands.h"
#include "editor/editor_session.h"
#include "editor/undo_history.h"
#include "editor/window_actions.h"
#include "engine/calculation_state.h"
#include "engine/tick_source.h"
#include "session/closing_steps.h"
#include "session/main_window_ports.h"
#include "session/shutdown_sequence.h"
#include "settings/config_file.h"
#include "settings/run_files_directory.h"
#include "window/bounds_tracking.h"
#include "window/platform_abilities.h"

namespace tabulex {

class EdgeHider;
class GlobalHotkey;
class MainEditor;
class MainStatusBar;
class SingleInstance;
class SkinEngine;
class TrayIcon;

class MainWindow final : public QMainWindow, private WindowActions {
  Q_OBJECT

 public:
  explicit MainWindow(const RunFilesPaths& paths);
  ~MainWindow() override;

  // The file the program was started with: opened once the window is shown, or handed to a
  // running instance by the single-instance step.
  void SetFileToOpen(std::filesystem::path path) { m_desktop->SetFileToOpen(std::move(path)); }
  // Runs the start-up sequence; false in a second instance, which must end at once.
  bool Start();
  // After the window is first shown: what the start leaves to ask or open (the file it was
  // started with).
  void FinishStart();
  // Shows the window as the start-up sequence left it (maximised or at its bounds).
  void ShowAsStarted();
  // Closes the window as at the end of the session: no question, everything written.
  void EndSession();
  // Closes the window without the close request (no exit question); everything is written.
  void CloseDirectly();
  // The session is about to end: everything is written, and the program goes on running.
  void SaveForSessionEnd() { m_shutdown->SaveForSessionEnd(); }

  MainEditor& editor() { return *m_editor; }
  MainStatusBar& statusBar() { return *m_statusBar; }
  MainMenus& menus() { return *m_menus; }
  CalculationState& calculationState() { return m_state; }
  const DocumentState& document() const { return m_document; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void ConnectMenus();
  void ShutDown();
  void Track();
  void LayOut();
  MainWindowPorts Ports();
  // Runs a command, then gives the editor the keyboard focus back.
  template <typename Command>
  void Connect(QAction* action, Command command);

  // WindowActions
  bool IsFullScreen() const override { return m_fullScreen; }
  void ToggleFullScreen() override;
  void ClearAll() override;
  int WindowLeft() const override { return m_frame->Bounds().left; }
  int WindowTop() const override { return m_frame->Bounds().top; }
  void MoveWindowTo(int left, int top) override;

  const PlatformAbilities m_platform;
  RunFilesPaths m_paths;
  ConfigFile m_config;
  CalcSettings m_settings;
  CalculationState m_state;
  UndoHistory m_undo;
  DocumentState m_document;
  QtClipboard m_clipboard;
  SteadyTickSource m_ticks;
  MainEditor* m_editor{};
  MainStatusBar* m_statusBar{};
  MainMenus* m_menus{};
  SingleInstance* m_singleInstance{};
  TrayIcon* m_tray{};
  GlobalHotkey* m_hotkey{};
  SkinEngine* m_skins{};
  EdgeHider* m_edgeHider{};
  // The ports through which the sequences and the settings act on this window.
  std::unique_ptr<WindowFrameAdapter> m_frame;
  std::unique_ptr<EdgeAdapter> m_edge;
  std::unique_ptr<LookAdapter> m_look;
  DesktopAdapter* m_desktop{};
  std::unique_ptr<DocumentAdapter> m_documentPort;
  DocumentController* m_documents{};
  std::unique_ptr<EditorSession> m_session;
  std::unique_ptr<EditCommands> m_commands;
  std::unique_ptr<ShutdownSequence> m_shutdown;
  std::unique_ptr<ClosingSteps> m_closing;
  std::unique_ptr<ChildWindows> m_children;
  BoundsTracker m_boundsTracker;
  bool m_fullScreen{false};
  bool m_closeDirectly{false};
  bool m_started{false};
};

}  // namespace tabulex
