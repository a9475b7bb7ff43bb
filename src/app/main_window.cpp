#include "app/main_window.h"

#include "version/version.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "editor/batch_in_editor.h"
#include "editor/qt/main_editor.h"
#include "engine/fraction_conversion.h"
#include "engine/recalculation.h"
#include "help/qt/about_window.h"
#include "help/qt/help_window.h"
#include "session/reset_settings.h"
#include "session/startup_sequence.h"
#include "settings/qt/settings_window.h"
#include "settings/qt/undo_settings_window.h"
#include "window/bounds_tracking.h"
#include "window/close_request.h"
#include "window/qt/app_icon.h"
#include "window/qt/current_platform.h"
#include "window/qt/edge_hider.h"
#include "window/qt/exit_confirm_dialog.h"
#include "window/qt/global_hotkey.h"
#include "window/qt/main_status_bar.h"
#include "window/qt/single_instance.h"
#include "window/qt/skin_engine.h"
#include "window/qt/tray_icon.h"
#include "window/qt/window_front.h"
#include "window/qt/window_geometry.h"
#include "window/status_bar_layout.h"
#include "window/tray_event.h"

namespace tabulex {

MainWindow::MainWindow(const RunFilesPaths& paths)
    : m_platform{CurrentPlatformAbilities()}, m_paths{paths}, m_config{paths.configFile} {
  setWindowTitle(QString::fromLatin1(kProgramTitle));
  m_editor = new MainEditor(this);
  setCentralWidget(m_editor);
  m_statusBar = new MainStatusBar(this);
  setStatusBar(m_statusBar);
  m_menus = new MainMenus(menuBar(), this);

  m_session = std::make_unique<EditorSession>(
      EditorSession{m_editor->buffer(), m_settings, m_state, m_statusBar->messages(),
                    m_statusBar->caretPosition(), m_clipboard, m_ticks, m_undo, *this});
  m_commands = std::make_unique<EditCommands>(*m_session);
  m_editor->Attach(*m_session);
  m_frame = std::make_unique<WindowFrameAdapter>(*this, *m_editor, m_platform);
  m_documentPort = std::make_unique<DocumentAdapter>(DocumentAdapter::Parts{
      m_editor->buffer(), m_document, m_undo, *m_statusBar, m_settings, m_paths, m_config});
  m_documents = new DocumentController(*this, *m_editor, m_document, m_settings, m_paths, m_ticks,
                                       *m_documentPort);

  connect(m_editor, &MainEditor::contextMenuWanted, this, [this](const QPoint& at) {
    m_menus->contextMenu()->exec(at);
    m_editor->setFocus();
  });
  connect(m_statusBar, &MainStatusBar::doubleClicked, this, [this] {
    ClearAll();
    m_editor->setFocus();
  });
  connect(m_statusBar, &MainStatusBar::rightButtonReleased, this,
          [this] { m_children->ToggleKeypad(); });
  ConnectMenus();

  setWindowIcon(TabulexIcon());
  m_singleInstance = new SingleInstance(paths, this);
  connect(m_singleInstance, &SingleInstance::restoreRequested, this,
          [this] { RestoreWindow(*this); });
  // Queued: opening may ask questions, which must not wait inside the socket's handler.
  connect(
      m_singleInstance, &SingleInstance::openRequested, this,
      [this](const QString& path) { m_documents->OpenFile(path.toStdString()); },
      Qt::QueuedConnection);
  m_tray = new TrayIcon(this);
  connect(m_tray, &TrayIcon::trayEvent, this, [this](std::int32_t kind) {
    TrayEvent(kind, *m_frame, *m_edge, m_settings.alwaysOnTop);
  });
  connect(m_tray, &TrayIcon::openCalculatorChosen, this, [this] { show(); });
  connect(m_tray, &TrayIcon::exitChosen, this, &MainWindow::CloseDirectly);
  m_skins = new SkinEngine(this);
  m_look = std::make_unique<LookAdapter>(*m_skins, *m_editor);
  m_edgeHider =
      new EdgeHider(*this, m_settings, [this](bool shown) { m_children->FollowMainWindow(shown); });
  m_edge = std::make_unique<EdgeAdapter>(*m_edgeHider, *this, m_platform);
  m_hotkey = new GlobalHotkey(this);
  connect(m_hotkey, &GlobalHotkey::activated, this,
          [this] { ShowHideAction(*m_frame, *m_edge, m_settings.alwaysOnTop); });
  m_desktop = new DesktopAdapter(
      *m_singleInstance, *m_tray, *m_hotkey,
      {[this] { SaveForSessionEnd(); }, [this] { m_closing->MarkSessionEnding(); }}, this);
  m_shutdown = std::make_unique<ShutdownSequence>(m_config, paths, Ports(), m_settings);
  m_closing = std::make_unique<ClosingSteps>(*m_shutdown, m_documents->recovery());
  m_children = std::make_unique<ChildWindows>(
      ChildWindows::Parts{*this, *m_editor, *m_session, *m_commands, m_config, *m_skins, *m_look,
                          m_platform, [this] { ClearAll(); }});
}

MainWindow::~MainWindow() {
  ShutDown();
}

MainWindowPorts MainWindow::Ports() {
  return MainWindowPorts{*m_frame, *m_edge, *m_look, *m_desktop, *m_documentPort};
}

// The keypad closes with the window, writing its geometry, then the closing steps write the
// rest (once, however often the window is asked to close).
void MainWindow::ShutDown() {
  m_children->CloseKeypad();
  m_closing->Run();
}

bool MainWindow::Start() {
  if (RunStartupSequence(m_config, Ports(), m_settings) == StartupOutcome::SecondInstance) {
    return false;
  }
  m_shutdown->Arm();
  m_started = true;
  m_documents->StartKeeping();
  return true;
}

void MainWindow::FinishStart() {
  m_singleInstance->WriteWindowCode(m_config, static_cast<std::uint64_t>(winId()));
  m_desktop->ShowTrayIcon();
  m_documents->OfferLeftOvers();
  if (const std::filesystem::path file = m_desktop->TakeFileToOpen(); !file.empty()) {
    m_documents->OpenFile(file);
  }
}

void MainWindow::ShowAsStarted() {
  m_frame->Maximised() ? showMaximized() : show();
}

void MainWindow::EndSession() {
  m_closing->MarkSessionEnding();
  close();
}

void MainWindow::CloseDirectly() {
  m_closeDirectly = true;
  close();
}

template <typename Command>
void MainWindow::Connect(QAction* action, Command command) {
  connect(action, &QAction::triggered, this, [this, command] {
    command();
    m_documents->AfterCommand();
    m_editor->setFocus();
  });
}

void MainWindow::ConnectMenus() {
  MainMenus& m = *m_menus;
  FileCommands& files = m_documents->files();
  Connect(m.newDocument, [&] { files.NewDocument(); });
  Connect(m.open, [&] { files.OpenDocument(); });
  Connect(m.save, [&] { files.SaveDocument(); });
  Connect(m.saveAs, [&] { files.SaveDocumentAs(); });
  Connect(m.print, [&] { files.PrintDocument(); });
  Connect(m.close, [&] {
    if (files.CloseDocument()) CloseDirectly();
  });
  EditorBuffer& buffer = m_editor->buffer();
  for (QAction* action : {m.undo, m.contextUndo}) Connect(action, [&] { m_undo.Undo(buffer); });
  Connect(m.redo, [&] { m_undo.Redo(buffer); });
  for (QAction* action : {m.cut, m.contextCut}) Connect(action, [this] { m_editor->cut(); });
  for (QAction* action : {m.copy, m.contextCopy}) Connect(action, [this] { m_editor->copy(); });
  for (QAction* action : {m.paste, m.contextPaste}) Connect(action, [this] { m_editor->paste(); });
  for (QAction* action : {m.selectAll, m.contextSelectAll}) {
    Connect(action, [this] { m_editor->selectAll(); });
  }
  for (QAction* action : {m.pasteResult, m.contextPasteResult}) {
    Connect(action, [this] { m_commands->PasteResult(); });
  }
  for (QAction* action : {m.clearAll, m.contextClearAll}) Connect(action, [this] { ClearAll(); });
  Connect(m.deleteLine, [this] { m_commands->DeleteCurrentLine(); });
  Connect(m.separatorLine, [this] { m_commands->InsertSeparatorLine(); });
  for (const InsertFunctionItem& item : EditCommands::InsertFunctionItems()) {
    const std::string_view caption = item.caption;
    Connect(m.insertFunction->addAction(QString::fromUtf8(caption)),
            [this, caption] { m_commands->InsertFunction(caption); });
  }
  for (QAction* action : {m.recalculate, m.contextRecalculate}) {
    Connect(action, [this] { RecalculateLine(m_session->Calc()); });
  }
  for (QAction* action : {m.fractionConversion, m.contextFractionConversion}) {
    Connect(action, [this] { FractionConversion(m_session->Calc()); });
  }
  // The typing rules stay out of the batch's one change: it is recorded as one undo step.
  Connect(m.batchCalculate, [this] {
    BatchCalculateInEditor(m_session->Calc(), [this](std::string_view text) {
      m_editor->SetTypedTextRules(false);
      m_editor->buffer().SetText(text);
      m_editor->SetTypedTextRules(true);
    });
  });
  Connect(m.accumulator, [this] { m_children->OpenAccumulator(); });
  Connect(m.clearAccumulator, [this] { m_children->ClearAccumulator(); });

  for (QAction* action : {m.find, m.contextFind}) {
    Connect(action, [this] { m_children->OpenFind(); });
  }
  Connect(m.findNext, [&] {
    Find(buffer, m_children->findState(), FindDirection::Forward, FindAction::Select);
  });
  Connect(m.findPrevious, [&] {
    Find(buffer, m_children->findState(), FindDirection::Backward, FindAction::Select);
  });

  QAction* const tabs[] = {m.baseConversion, m.statistics, m.unitConversion, m.timeCalculation};
  for (int tab = 0; tab < 4; ++tab) {
    Connect(tabs[tab], [this, tab] { m_children->OpenToolWindow(tab); });
  }
  Connect(m.toolWindow, [this] { m_children->OpenToolWindow(); });
  Connect(m.keypad, [this] { m_children->OpenKeypad(); });
  // Checked by the toggle itself, whoever toggles.
  connect(m.fullScreen, &QAction::triggered, this, [this] {
    ToggleFullScreen();
    m_editor->setFocus();
  });

  Connect(m.undoSettings,
          [this] { UndoSettingsWindow(m_settings, m_config, Ports(), this).exec(); });
  Connect(m.quickSettings,
          [this] { SettingsWindow(m_settings, m_config, Ports(), this, m_platform).exec(); });
  Connect(m.resetSettings, [this] { ResetSettings(m_settings, m_paths, Ports()); });
  Connect(m.appearance, [this] { m_children->OpenAppearance(); });
  Connect(m.font, [this] { m_children->ChooseFont(); });
  Connect(m.help, [this] { HelpWindow(this).exec(); });
  Connect(m.about, [this] { AboutWindow(m_paths.directory, this).exec(); });
}

void MainWindow::ClearAll() {
  m_commands->ClearAll();
  m_documents->ClearedAll();
}

// The tray menu's "退出" and the File menu's close end the program without the close request.
void MainWindow::closeEvent(QCloseEvent* event) {
  const CloseRequest request{m_closing->SessionEnding(), m_settings.closeAction,
                             m_tray->Presence()};
  const auto ask = [] { return ExitConfirmDialog().Ask(); };
  if (!m_closeDirectly &&
      RunCloseRequest(request, *m_frame, ask, m_settings) == CloseVerdict::Refuse) {
    return event->ignore();
  }
  ShutDown();
  event->accept();
  QCoreApplication::quit();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (m_frame->CloseOnEsc() && event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  DocumentController::AcceptDrag(*event);
}

void MainWindow::dropEvent(QDropEvent* event) {
  m_documents->Drop(*event);
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (m_platform.placeWindows) m_edgeHider->OnMoved();
  Track();
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) m_edgeHider->OnActivated();
  // Maximising may come without a move or resize event, and after the geometry.
  if (event->type() == QEvent::WindowStateChange) Track();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  LayOut();
}

void MainWindow::LayOut() {
  // The editor fills the client area above the status bar, or all of it in full-screen mode
  // (the central widget does that); the status bar's parts follow the window's width.
  const MainWindowLayout layout =
      LayoutMainWindow(ClientArea{width(), height(), m_statusBar->height()},
                       m_fullScreen ? FullScreenMode::On : FullScreenMode::Off);
  m_statusBar->SetPartWidths(layout.statusBar);
  Track();
}

// Full-screen mode keeps the window where it is and drops everything but the editor: menus,
// status bar, caption text and window buttons. Leaving it brings back the program's caption.
void MainWindow::ToggleFullScreen() {
  m_fullScreen = !m_fullScreen;
  menuBar()->setVisible(!m_fullScreen);
  m_statusBar->setVisible(!m_fullScreen);
  SetFrameButtons(*this, !m_fullScreen);
  SetCaption(*this, m_fullScreen ? QString() : QString::fromLatin1(kProgramTitle));
  m_menus->fullScreen->setChecked(m_fullScreen);
  LayOut();
}

void MainWindow::Track() {
  if (!m_started) return;
  m_boundsTracker.Track(m_frame->PrimaryScreen(), m_frame->Bounds(), ReportedState(*this),
                        m_settings);
}

void MainWindow::MoveWindowTo(int left, int top) {
  WindowBounds bounds = m_frame->Bounds();
  bounds.left = left;
  bounds.top = top;
  m_frame->ApplyBounds(bounds);
}

}  // namespace tabulex
