#include "app/main_window.h"

#include "engine/qt/gbk_qstring.h"
#include "version/version.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSessionManager>
#include <QTimer>

#include "editor/caret_position_display.h"
#include "editor/qt/find_window.h"
#include "editor/qt/main_editor.h"
#include "editor/qt/qt_file_dialogs.h"
#include "engine/batch_calculation.h"
#include "engine/fraction_conversion.h"
#include "engine/recalculation.h"
#include "engine/text_buffer.h"
#include "help/qt/about_window.h"
#include "help/qt/help_window.h"
#include "session/reset_settings.h"
#include "session/startup_sequence.h"
#include "settings/qt/settings_window.h"
#include "settings/qt/undo_settings_window.h"
#include "tools/accumulator_combination.h"
#include "tools/qt/accumulator_window.h"
#include "tools/qt/clear_accumulator_dialog.h"
#include "tools/qt/keypad_window.h"
#include "tools/qt/tool_window.h"
#include "window/bounds_tracking.h"
#include "window/close_request.h"
#include "window/qt/app_icon.h"
#include "window/qt/appearance_window.h"
#include "window/qt/current_platform.h"
#include "window/qt/edge_hider.h"
#include "window/qt/editor_font_dialog.h"
#include "window/qt/editor_look.h"
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
    : m_platform{CurrentPlatformAbilities()},
      m_paths{paths},
      m_config{paths.configFile},
      m_recoveryFile{paths.directory, ThisProcess()},
      m_shutdown{m_config, paths, *this, m_settings},
      m_backupScheduler{m_ticks, m_settings} {
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
  m_fileDialogs = std::make_unique<QtFileDialogs>(this, m_editor);
  m_files = std::make_unique<FileCommands>(m_editor->buffer(), m_document, *m_fileDialogs);
  m_recovery = std::make_unique<DocumentRecovery>(m_editor->buffer(), m_document, *m_fileDialogs,
                                                  m_recoveryFile, m_settings);
  m_editor->Attach(*m_session);

  // The whole window takes drops: a dropped text or file replaces the whole text.
  setAcceptDrops(true);

  connect(m_editor, &MainEditor::textEdited, this, [this] {
    m_document.TextChanged();
    if (m_started) m_backupScheduler.TextChanged();
  });
  connect(m_editor, &MainEditor::contextMenuWanted, this, [this](const QPoint& at) {
    m_menus->contextMenu()->exec(at);
    m_editor->setFocus();
  });
  connect(m_statusBar, &MainStatusBar::doubleClicked, this, [this] {
    ClearAll();
    m_editor->setFocus();
  });
  connect(m_statusBar, &MainStatusBar::rightButtonReleased, this, [this] { ToggleKeypad(); });
  ConnectMenus();

  setWindowIcon(TabulexIcon());
  m_singleInstance = new SingleInstance(paths, this);
  connect(m_singleInstance, &SingleInstance::restoreRequested, this,
          [this] { RestoreWindow(*this); });
  // Queued: opening may ask questions, which must not wait inside the socket's handler.
  connect(
      m_singleInstance, &SingleInstance::openRequested, this,
      [this](const QString& path) { OpenFile(path.toStdString()); }, Qt::QueuedConnection);
  m_tray = new TrayIcon(this);
  connect(m_tray, &TrayIcon::trayEvent, this,
          [this](std::int32_t kind) { TrayEvent(kind, *this, m_settings.alwaysOnTop); });
  connect(m_tray, &TrayIcon::openCalculatorChosen, this, [this] { show(); });
  connect(m_tray, &TrayIcon::exitChosen, this, &MainWindow::CloseDirectly);
  m_skins = new SkinEngine(this);
  m_edgeHider = new EdgeHider(*this, m_settings, [this](bool shown) {
    if (m_keypad != nullptr && m_keypad->isVisible() != shown) m_keypad->setVisible(shown);
  });
  m_hotkey = new GlobalHotkey(this);
  connect(m_hotkey, &GlobalHotkey::activated, this,
          [this] { ShowHideAction(*this, m_settings.alwaysOnTop); });

  // The text is also kept while the program runs, a few seconds after the last change.
  m_backupTimer = new QTimer(this);
  connect(m_backupTimer, &QTimer::timeout, this, [this] {
    if (m_backupScheduler.BackupDue()) {
      SaveContentBackup();
    } else if (m_backupScheduler.RecoveryDue(m_document.Modified())) {
      m_recovery->Keep();
    }
    m_recovery->DropIfNothingUnsaved();
  });
}

MainWindow::~MainWindow() {
  ShutDown();
}

// The keypad closes with the window, writing its geometry, then the shutdown writes the rest
// (once, however often the window is asked to close).
void MainWindow::ShutDown() {
  if (m_keypad != nullptr) m_keypad->close();
  if (!m_started || std::exchange(m_shutDown, true)) return;
  // Unsaved changes outlive an end the user did not choose (the session, a signal).
  if (m_sessionEnding) {
    m_recovery->Keep();
  } else {
    m_recovery->Drop();
  }
  m_shutdown.Run();
}

bool MainWindow::Start() {
  if (RunStartupSequence(m_config, *this, m_settings) == StartupOutcome::SecondInstance) {
    return false;
  }
  m_shutdown.Arm();
  m_started = true;
  m_backupTimer->start(1000);
  return true;
}

void MainWindow::FinishStart() {
  m_singleInstance->WriteWindowCode(m_config, static_cast<std::uint64_t>(winId()));
  m_tray->Add();
  if (m_recovery->OfferLeftOvers()) ShowDocumentTitle();
  if (!m_fileToOpen.empty()) OpenFile(std::exchange(m_fileToOpen, {}));
}

// An open with a given file: as "&O.打开" does, asking to save first.
void MainWindow::OpenFile(const std::filesystem::path& path) {
  m_files->OpenFile(path);
  ShowDocumentTitle();
  m_recovery->DropIfNothingUnsaved();
  m_editor->setFocus();
}

void MainWindow::ShowAsStarted() {
  if (m_maximised) {
    showMaximized();
  } else {
    show();
  }
}

void MainWindow::EndSession() {
  m_sessionEnding = true;
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
    ShowDocumentTitle();
    m_recovery->DropIfNothingUnsaved();
    m_editor->setFocus();
  });
}

void MainWindow::ConnectMenus() {
  MainMenus& m = *m_menus;
  Connect(m.newDocument, [this] { m_files->NewDocument(); });
  Connect(m.open, [this] { m_files->OpenDocument(); });
  Connect(m.save, [this] { m_files->SaveDocument(); });
  Connect(m.saveAs, [this] { m_files->SaveDocumentAs(); });
  Connect(m.print, [this] { m_files->PrintDocument(); });
  Connect(m.close, [this] {
    if (m_files->CloseDocument()) CloseDirectly();
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
    QAction* action = m.insertFunction->addAction(
        QString::fromUtf8(item.caption.data(), static_cast<int>(item.caption.size())));
    const std::string_view caption = item.caption;
    Connect(action, [this, caption] { m_commands->InsertFunction(caption); });
  }
  for (QAction* action : {m.recalculate, m.contextRecalculate}) {
    Connect(action, [this] { RecalculateLine(m_session->Calc()); });
  }
  for (QAction* action : {m.fractionConversion, m.contextFractionConversion}) {
    Connect(action, [this] { FractionConversion(m_session->Calc()); });
  }
  Connect(m.batchCalculate, [this] { BatchCalculateInWindow(); });
  Connect(m.accumulator, [this] { OpenAccumulatorWindow(); });
  Connect(m.clearAccumulator, [this] {
    if (!ClearAccumulatorDialog(this).Confirm()) return;
    m_state.accumulatorList.clear();
    ++m_accumulatorClears;
  });

  for (QAction* action : {m.find, m.contextFind}) Connect(action, [this] { OpenFindWindow(); });
  Connect(m.findNext,
          [&] { Find(buffer, m_findState, FindDirection::Forward, FindAction::Select); });
  Connect(m.findPrevious,
          [&] { Find(buffer, m_findState, FindDirection::Backward, FindAction::Select); });

  Connect(m.baseConversion, [this] {
    m_toolWindowTab = 0;
    OpenToolWindow();
  });
  Connect(m.statistics, [this] {
    m_toolWindowTab = 1;
    OpenToolWindow();
  });
  Connect(m.toolWindow, [this] { OpenToolWindow(); });
  Connect(m.keypad, [this] { OpenKeypad(); });
  // Checked by the toggle itself, whoever toggles.
  connect(m.fullScreen, &QAction::triggered, this, [this] {
    ToggleFullScreen();
    m_editor->setFocus();
  });

  Connect(m.undoSettings, [this] { UndoSettingsWindow(m_settings, m_config, *this, this).exec(); });
  Connect(m.quickSettings,
          [this] { SettingsWindow(m_settings, m_config, *this, this, m_platform).exec(); });
  Connect(m.resetSettings, [this] { ResetSettings(m_settings, m_paths, *this); });
  Connect(m.appearance, [this] { OpenAppearanceWindow(); });
  Connect(m.font, [this] { ChooseFont(); });
  Connect(m.help, [this] { HelpWindow(this).exec(); });
  Connect(m.about, [this] { AboutWindow(m_paths.directory, this).exec(); });
}

void MainWindow::OpenAppearanceWindow() {
  AppearanceWindow window(m_settings, m_config, *m_skins, m_fontColor, this, m_platform);
  connect(&window, &AppearanceWindow::ColoursChosen, this,
          [this](std::int32_t fontColor, std::int32_t backgroundColor) {
            SetEditorBackgroundColor(backgroundColor);
            EditorProperties font = EditorFont();
            font.fontColor = fontColor;
            ApplyEditorFont(font);
          });
  window.exec();
}

void MainWindow::ChooseFont() {
  if (const std::optional<EditorProperties> chosen = ChooseEditorFont(EditorFont(), this)) {
    ApplyEditorFont(*chosen);
  }
}

void MainWindow::OpenKeypad() {
  if (m_keypad == nullptr) {
    m_keypad = new KeypadWindow(
        this, *m_session, *m_commands, m_config, [this] { m_editor->setFocus(); },
        [this] { ClearAll(); });
  }
  m_keypad->show();
  m_editor->setFocus();
}

void MainWindow::ToggleKeypad() {
  if (m_keypad != nullptr) {
    m_keypad->close();
  } else {
    OpenKeypad();
  }
}

// One find window at a time: opening it again brings the open one forward.
void MainWindow::OpenFindWindow() {
  if (m_findWindow == nullptr) {
    m_findWindow =
        new FindWindow(this, m_findState, m_editor->buffer(), [this] { m_editor->setFocus(); });
    m_findWindow->setAttribute(Qt::WA_DeleteOnClose);
  }
  m_findWindow->show();
  m_findWindow->raise();
}

void MainWindow::OpenAccumulatorWindow() {
  auto* window = new AccumulatorWindow(m_state.accumulatorList, this);
  const std::uint64_t clears = m_accumulatorClears;
  connect(window, &AccumulatorWindow::combinationChosen, this,
          [this, clears](const std::vector<int>& serials, AccumulatorOperation operation) {
            if (clears != m_accumulatorClears) return;  // its entries are gone
            CalculateAccumulatorCombination(m_session->Calc(), serials, operation);
            m_editor->setFocus();
          });
  window->show();
  // The keyboard stays with the editor: typing goes on in the main window.
  activateWindow();
}

void MainWindow::OpenToolWindow() {
  ToolWindow(m_toolWindowTab, this).exec();
}

void MainWindow::ShowDocumentTitle() {
  if (!m_document.TakeTitleChange()) return;
  if (const std::optional<std::string> title = m_document.WindowTitle()) {
    setWindowTitle(QString::fromStdString(*title));
  }
}

void MainWindow::ClearAll() {
  m_commands->ClearAll();
  m_document.ClearedAll();
  m_recovery->DropIfNothingUnsaved();
}

// The batch runs on a copy of the text, which costs nothing per line, and the result comes
// back as one change: one undo step, however many lines were calculated.
void MainWindow::BatchCalculateInWindow() {
  EditorWidgetBuffer& buffer = m_editor->buffer();
  TextBuffer copy(buffer.Text());
  BatchCalculate(
      CalcContext{copy, m_settings, m_state, m_statusBar->messages(), m_clipboard, m_ticks});
  const std::string text = copy.Text();
  if (text != buffer.Text()) {
    m_editor->SetTypedTextRules(false);
    buffer.SetText(text);
    m_editor->SetTypedTextRules(true);
  }
  buffer.SetCaret(copy.Caret());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (m_closeDirectly) {
    ShutDown();
    event->accept();
    QCoreApplication::quit();
    return;
  }
  const CloseRequestStart start =
      StartCloseRequest(CloseRequest{m_sessionEnding, m_settings.closeAction, m_tray->Presence()});
  if (start.minimise) showMinimized();
  CloseOutcome outcome = start.outcome;
  if (start.askExitConfirm) {
    outcome = AnswerExitConfirm(ExitConfirmDialog().Ask(), m_tray->Presence(), m_settings);
  }
  if (outcome.hide) hide();
  if (outcome.verdict == CloseVerdict::Allow) {
    ShutDown();
    event->accept();
    QCoreApplication::quit();
  } else {
    event->ignore();
  }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (m_closeOnEsc && event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

// Only drops from other programs replace the text: a drag that starts in this program (the
// editor's own selection, a text box of a tool window) has a source here and is refused.
void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QMimeData* mime = event->mimeData();
  if (event->source() == nullptr && (mime->hasUrls() || mime->hasText())) {
    event->acceptProposedAction();
  }
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QMimeData* mime = event->mimeData();
  // Of several files, the first one that is a local file.
  for (const QUrl& url : mime->urls()) {
    if (!url.isLocalFile()) continue;
    m_files->DropFile(std::filesystem::path(url.toLocalFile().toStdString()));
    return event->acceptProposedAction();
  }
  if (!mime->hasText()) return;
  m_files->DropText(QStringToGbk(mime->text()));
  event->acceptProposedAction();
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

// A window that is not flush with an edge (or maximised) hides instead, as the hotkey wants.
void MainWindow::Tuck() {
  if (!m_edgeHider->Tuck()) hide();
}

void MainWindow::SetEdgeTimerInterval(std::int32_t milliseconds) {
  // Where the window cannot move itself, it cannot hide at an edge either.
  m_edgeHider->SetTimerInterval(m_platform.placeWindows ? milliseconds : 0);
}

void MainWindow::PullBackOnScreen() {
  m_edgeHider->PullBackOnScreen();
}

void MainWindow::SetEdgeGraceTicks(std::int32_t ticks) {
  m_edgeHider->SetGraceTicks(ticks);
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
  m_boundsTracker.Track(PrimaryScreen(), Bounds(), ReportedState(*this), m_settings);
}

void MainWindow::ApplyBounds(const WindowBounds& bounds) {
  ApplyOuterBounds(*this, bounds);
}

WindowBounds MainWindow::Bounds() const {
  return OuterBounds(*this);
}

void MainWindow::SetMaximised(bool maximised) {
  m_maximised = maximised;
}

ScreenRect MainWindow::PrimaryScreen() const {
  return PrimaryScreenRect();
}

void MainWindow::ApplySkin(std::int32_t skinNumber) {
  m_skins->ApplySkin(skinNumber);
}

void MainWindow::ApplySkinTransparency(std::int32_t skinSlider) {
  m_skins->ApplyTransparency(skinSlider);
}

void MainWindow::ApplySkinEffects(bool effects) {
  m_skins->ApplyEffects(effects);
}

void MainWindow::FocusEditor() {
  m_editor->setFocus();
}

void MainWindow::SetEditorBackgroundColor(std::int32_t color) {
  QPalette palette = m_editor->palette();
  palette.setColor(QPalette::Base, ColourOfBgr(color));
  m_editor->setPalette(palette);
}

void MainWindow::ApplyEditorFont(const EditorProperties& properties) {
  m_editor->setFont(FontOf(properties));
  m_fontColor = properties.fontColor;
  QPalette palette = m_editor->palette();
  palette.setColor(QPalette::Text, ColourOfBgr(properties.fontColor));
  m_editor->setPalette(palette);
}

void MainWindow::SetWordWrap(bool wordWrap) {
  m_editor->setLineWrapMode(wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  m_editor->setHorizontalScrollBarPolicy(wordWrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}

void MainWindow::InstallSessionEndWatch() {
  // A logout first asks for the data (it may still be cancelled): save it all, and go on.
  connect(qApp, &QGuiApplication::commitDataRequest, this,
          [this](QSessionManager&) { SaveForSessionEnd(); });
  // The session manager then ends the program by asking the application to quit: that close
  // is the session ending, which neither asks nor keeps running in the tray.
  qApp->installEventFilter(this);
}

void MainWindow::SaveForSessionEnd() {
  m_shutdown.SaveForSessionEnd();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == qApp && event->type() == QEvent::Quit) m_sessionEnding = true;
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::SetAlwaysOnTop(bool alwaysOnTop) {
  if (m_platform.stayOnTop) SetStaysOnTop(*this, alwaysOnTop);
}

bool MainWindow::RunSingleInstanceStep() {
  return m_singleInstance->RunStep(m_fileToOpen) == SingleInstanceResult::Continue;
}
void MainWindow::AddTrayIcon() {
  // The first frame does not wait for the tray: the icon follows once the window is shown.
  if (m_started) m_tray->Add();
}
void MainWindow::RemoveTrayIcon() {
  m_tray->Remove();
}
void MainWindow::RegisterShowHideHotkey(std::int32_t modifierCode, std::int32_t keyCode) {
  m_hotkey->Register(modifierCode, keyCode);
}
void MainWindow::UnregisterShowHideHotkey() {
  m_hotkey->Unregister();
}
void MainWindow::SetNormalState() {
  setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
}
void MainWindow::BringToFront() {
  RaiseAndActivate(*this);
}

void MainWindow::RestoreContentBackup() {
  ::tabulex::RestoreContentBackup(m_editor->buffer(), m_settings.keepContent, m_paths.backupFile,
                                  m_config);
  m_document.RestoredAtStartup();
}

void MainWindow::SetUndoLimit(std::int32_t limit) {
  m_undo.SetLimit(limit);
}

void MainWindow::RecordInitialUndoSnapshot() {
  m_undo.SetLimit(m_settings.undoLimit);
  m_undo.RecordSnapshot(m_editor->buffer());
}

void MainWindow::ShowCaretPosition() {
  CaretPositionDisplay(m_editor->buffer(), m_statusBar->caretPosition());
}

void MainWindow::ShowStatus(std::string_view gbkText) {
  m_statusBar->messages().ShowStatus(gbkText);
}

EditorProperties MainWindow::EditorFont() const {
  return PropertiesOf(m_editor->font(), m_fontColor);
}

std::int64_t MainWindow::CaretOffset() const {
  return static_cast<std::int64_t>(m_editor->buffer().Caret());
}

void MainWindow::SaveContentBackup() {
  ::tabulex::SaveContentBackup(m_editor->buffer(), m_paths.backupFile);
}

int MainWindow::WindowLeft() const {
  return Bounds().left;
}
int MainWindow::WindowTop() const {
  return Bounds().top;
}
void MainWindow::MoveWindowTo(int left, int top) {
  WindowBounds bounds = Bounds();
  bounds.left = left;
  bounds.top = top;
  ApplyBounds(bounds);
}

}  // namespace tabulex
