// MainWindow: the calculator's window. It owns the editor, the status bar, the menus and the
// program-wide state, and wires them together; the behaviour lives in the logic units and
// widgets it connects. It is also the window the start-up and shutdown sequences act on.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <memory>

#include "app/main_menus.h"
#include "app/qt_clipboard.h"
#include "base/calc_settings.h"
#include "editor/content_backup.h"
#include "editor/document_recovery.h"
#include "editor/document_state.h"
#include "editor/edit_commands.h"
#include "editor/editor_session.h"
#include "editor/file_commands.h"
#include "editor/find_replace.h"
#include "editor/undo_history.h"
#include "editor/window_actions.h"
#include "engine/calculation_state.h"
#include "engine/tick_source.h"
#include "session/main_window_port.h"
#include "session/settings_effects.h"
#include "session/shutdown_sequence.h"
#include "settings/config_file.h"
#include "settings/run_files_directory.h"
#include "window/bounds_tracking.h"
#include "window/platform_abilities.h"
#include "window/show_hide_action.h"

class QTimer;

namespace tabulex {

class EdgeHider;
class FindWindow;
class GlobalHotkey;
class KeypadWindow;
class MainEditor;
class MainStatusBar;
class SingleInstance;
class SkinEngine;
class TrayIcon;

class MainWindow final : public QMainWindow,
                         private MainWindowPort,
                         private ShutdownWindowPort,
                         private SettingsEffects,
                         private ShowHideWindowPort,
                         private WindowActions {
  Q_OBJECT

 public:
  explicit MainWindow(const RunFilesPaths& paths);
  ~MainWindow() override;

  // The file the program was started with: opened once the window is shown, or handed to a
  // running instance by the single-instance step.
  void SetFileToOpen(std::filesystem::path path) { m_fileToOpen = std::move(path); }
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
  void SaveForSessionEnd();

  MainEditor& editor() { return *m_editor; }
  MainStatusBar& statusBar() { return *m_statusBar; }
  MainMenus& menus() { return *m_menus; }
  CalculationState& calculationState() { return m_state; }
  const DocumentState& document() const { return m_document; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ConnectMenus();
  void ShutDown();
  void Track();
  void LayOut();
  void BatchCalculateInWindow();
  // The title that follows the document's file, once a file command has set one.
  void ShowDocumentTitle();
  void OpenFindWindow();
  void OpenFile(const std::filesystem::path& path);
  void OpenAccumulatorWindow();
  void OpenToolWindow();
  void OpenKeypad();
  void ToggleKeypad();
  void OpenAppearanceWindow();
  void ChooseFont();
  // Runs a command, then gives the editor the keyboard focus back.
  template <typename Command>
  void Connect(QAction* action, Command command);

  // MainWindowPort
  void ApplyBounds(const WindowBounds& bounds) override;
  WindowBounds Bounds() const override;
  void SetMaximised(bool maximised) override;
  ScreenRect PrimaryScreen() const override;
  bool RunSingleInstanceStep() override;
  void ApplySkin(std::int32_t skinNumber) override;
  void FocusEditor() override;
  void SetEditorBackgroundColor(std::int32_t color) override;
  void ApplySkinTransparency(std::int32_t skinSlider) override;
  void ApplySkinEffects(bool effects) override;
  void AddTrayIcon() override;
  void ApplyEditorFont(const EditorProperties& font) override;
  void SetWordWrap(bool wordWrap) override;
  void RegisterShowHideHotkey(std::int32_t modifierCode, std::int32_t keyCode) override;
  void UnregisterShowHideHotkey() override;
  void InstallSessionEndWatch() override;
  void InstallEditorKeyUpHook() override {}  // the editor reports key releases itself
  void RegisterDropTarget() override {}
  void SetAlwaysOnTop(bool alwaysOnTop) override;
  void RestoreContentBackup() override;
  void RecordInitialUndoSnapshot() override;
  void ShowCaretPosition() override;
  void SetEdgeTimerInterval(std::int32_t milliseconds) override;
  void ShowStatus(std::string_view gbkText) override;
  void PullBackOnScreen() override;
  void SetEdgeGraceTicks(std::int32_t ticks) override;

  // SettingsEffects (the rest are shared with MainWindowPort)
  void SetCloseOnEsc(bool closeOnEsc) override { m_closeOnEsc = closeOnEsc; }
  void SetUndoLimit(std::int32_t limit) override;

  // ShutdownWindowPort
  EditorProperties EditorFont() const override;
  std::int64_t CaretOffset() const override;
  void SaveContentBackup() override;
  void RemoveTrayIcon() override;

  // ShowHideWindowPort (the rest is shared with MainWindowPort)
  bool IsShown() const override { return isVisible(); }
  void ShowWindow() override { show(); }
  void HideWindow() override { hide(); }
  void SetNormalState() override;
  void BringToFront() override;
  void Tuck() override;

  // WindowActions
  bool IsFullScreen() const override { return m_fullScreen; }
  void ToggleFullScreen() override;
  void ClearAll() override;
  int WindowLeft() const override;
  int WindowTop() const override;
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
  std::unique_ptr<EditorSession> m_session;
  std::unique_ptr<EditCommands> m_commands;
  std::unique_ptr<FileDialogs> m_fileDialogs;
  std::unique_ptr<FileCommands> m_files;
  RecoveryFile m_recoveryFile;
  std::unique_ptr<DocumentRecovery> m_recovery;
  FindState m_findState;
  QPointer<FindWindow> m_findWindow;
  QPointer<KeypadWindow> m_keypad;
  // The tool window's tab at its next opening.
  int m_toolWindowTab{0};
  // Counts the accumulator's clearings: an accumulator window opened before one lists
  // entries that are gone, whatever serials the list holds now.
  std::uint64_t m_accumulatorClears{0};
  ShutdownSequence m_shutdown;
  BoundsTracker m_boundsTracker;
  ContentBackupScheduler m_backupScheduler;
  QTimer* m_backupTimer{};
  std::int32_t m_fontColor{0};
  bool m_maximised{false};
  bool m_fullScreen{false};
  bool m_sessionEnding{false};
  bool m_closeDirectly{false};
  // Esc asks to close the window; set by the settings window.
  bool m_closeOnEsc{false};
  bool m_started{false};
  bool m_shutDown{false};
  std::filesystem::path m_fileToOpen;
};

}  // namespace tabulex
