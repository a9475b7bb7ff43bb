// The real main window, offscreen: keys typed into the MainEditor, the text, the caret and the
// status bar read back. Each test gets a fresh window and a temporary run-files directory.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QTabWidget>
#include <QWheelEvent>

#include "app/main_window_fixture.h"
#include "base/file_io.h"
#include "editor/content_backup.h"
#include "editor/qt/find_window.h"
#include "tools/qt/accumulator_window.h"
#include "tools/qt/tool_window.h"
#include "window/status_bar_layout.h"

namespace tabulex {
namespace {

TEST_F(MainWindowTest, StartsWithTheBlankDocumentAndItsFirstStatusText) {
  MainWindow& window = Open();
  EXPECT_EQ(window.windowTitle().toStdString(), "Tabulex V6.2.3");
  EXPECT_EQ(window.editor().buffer().Text(), std::string(90, '\0').replace(0, 90, [] {
    std::string blank;
    for (int i = 0; i < 45; ++i) blank += "\r\n";
    return blank;
  }()));
  EXPECT_EQ(Part(0), " [提示]_初始化完毕，请输入表达式!");
  EXPECT_EQ(Part(1), " 行: 1,列: 1,");
}

TEST_F(MainWindowTest, TypingAndEnterCalculateTheLine) {
  Open();
  SetText("");
  Type("15+3");
  EXPECT_EQ(Part(0), " [提示]_ 表达式输入完毕按“回车键”计算！");
  Key(Qt::Key_Return);
  EXPECT_EQ(Shown(), "15+3=18▮");
  // The real clock: the seconds vary.
  EXPECT_TRUE(Part(0).starts_with("  [运算完成]_用时 ")) << Part(0);
  EXPECT_TRUE(Part(0).ends_with(" 秒")) << Part(0);
  EXPECT_EQ(Part(1), " 行: 1,列: 7,");
  Key(Qt::Key_Return, Qt::ControlModifier);  // Ctrl+Enter breaks the line
  Type("x");
  Key(Qt::Key_Return);
  EXPECT_EQ(Shown(), "15+3=18\r\nx▮");
  EXPECT_EQ(Part(0), "  [表达式错误]_有不可识别的字符！");
}

TEST_F(MainWindowTest, TheWindowKeepsItsWidthWhileTheStatusBarChanges) {
  MainWindow& window = Open();
  window.resize(640, 400);
  QApplication::processEvents();
  SetText("");
  Type("123456789+123456789+123456789+123456789+123456789+x");
  Key(Qt::Key_Return);
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  EXPECT_EQ(window.width(), 640);
  EXPECT_LE(window.statusBar().geometry().right(), window.width());

  // Too narrow for all three parts: the messages keep their room, the clock and then the
  // caret position give way.
  window.resize(400, 400);
  QApplication::processEvents();
  EXPECT_EQ(window.width(), 400);
  const QList<QLabel*> parts = window.statusBar().findChildren<QLabel*>();
  ASSERT_EQ(parts.size(), 3);
  EXPECT_GE(parts[0]->width(), kUsefulMessageWidth - 10);
  EXPECT_FALSE(parts[2]->isVisible());
  EXPECT_LE(parts[0]->width() + parts[1]->width(), 400);
}

TEST_F(MainWindowTest, TypingAssistanceWorksOnTheRealWidget) {
  Configure(SettingId::AutoReplace, "真");
  Open();
  SetText("");
  Type("2**3");
  EXPECT_EQ(Shown(), "2^3▮");
  Type("+pi");
  EXPECT_EQ(Shown(), "2^3+π▮");
  Type("..");
  EXPECT_EQ(Shown(), "2^3+π(▮)");
}

TEST_F(MainWindowTest, UndoAndRedoStepThroughTheChanges) {
  Open();
  SetText("");
  Type("1+2");
  MainMenus& menus = m_window->menus();
  menus.undo->trigger();
  EXPECT_EQ(Shown(), "1+▮");
  menus.undo->trigger();
  menus.undo->trigger();
  EXPECT_EQ(Shown(), "▮");
  menus.redo->trigger();
  EXPECT_EQ(Shown(), "1▮");
  Key(Qt::Key_Z, Qt::ControlModifier);  // the menu's shortcut, not the widget's own undo
  EXPECT_EQ(Shown(), "▮");
}

TEST_F(MainWindowTest, EditCommandsFromTheMenus) {
  Open();
  SetText("1+1");
  Key(Qt::Key_Return);
  MainMenus& menus = m_window->menus();
  menus.pasteResult->trigger();
  EXPECT_EQ(Shown(), "1+1=22▮");
  menus.deleteLine->trigger();
  EXPECT_EQ(Shown(), "▮");
  menus.separatorLine->trigger();
  EXPECT_EQ(m_window->editor().buffer().Length(), 216u);
  menus.insertFunction->actions().at(4)->trigger();  // "cos("
  EXPECT_TRUE(Shown().ends_with("cos（▮")) << Shown();
  menus.clearAll->trigger();
  EXPECT_EQ(m_window->editor().buffer().Length(), 90u);
}

TEST_F(MainWindowTest, BatchCalculationIsOneUndoStep) {
  Open();
  SetText("1+1\r\n2*3\r\nx\r\n4^2");
  m_window->menus().batchCalculate->trigger();
  EXPECT_EQ(Shown(), "1▮+1=2\r\n2*3=6\r\nx\r\n4^2=16");
  m_window->menus().undo->trigger();
  EXPECT_EQ(m_window->editor().buffer().Text(), "1+1\r\n2*3\r\nx\r\n4^2");
}

TEST_F(MainWindowTest, PastedCharactersGbkCannotHoldBecomeQuestionMarks) {
  Open();
  SetText("");
  QApplication::clipboard()->setText(QString::fromUtf8("1😀+€2"));
  if (QApplication::clipboard()->text().isEmpty()) GTEST_SKIP() << "no clipboard here";
  m_window->menus().paste->trigger();
  EXPECT_EQ(Shown(), "1?+?2▮");
}

TEST_F(MainWindowTest, QuickInputTakesMainKeyboardDigitsOnly) {
  Configure(SettingId::QuickInput, "真");
  Open();
  SetText("");
  Key(Qt::Key_9);
  Key(Qt::Key_9, Qt::KeypadModifier);
  EXPECT_EQ(Shown(), "(9▮");
}

TEST_F(MainWindowTest, ClosingWritesTheShutdownKeysAndTheKeptText) {
  Configure(SettingId::CloseAction, "1");
  Configure(SettingId::KeepContent, "真");
  Open();
  SetText("");
  Type("2*3");  // "*" is typed as "×"
  Key(Qt::Key_Return);
  m_window->close();
  const RunFilesPaths paths = RunFilesPathsIn(m_dir);
  ConfigFile config(paths.configFile);
  EXPECT_EQ(ReadSetting(config, SettingId::RunCount), "2");
  EXPECT_EQ(ReadSetting(config, SettingId::CaretOffset), "6");
  std::string backup;
  ASSERT_FALSE(ReadFile(paths.backupFile, backup));
  EXPECT_EQ(backup,
            "2\xA1\xC1"
            "3=6");

  // The next start brings the text back with the caret where it was.
  m_window.reset();
  Open();
  EXPECT_EQ(Shown(), "2×3=6▮");
}

TEST_F(MainWindowTest, NewAsksBeforeChangesAreThrownAway) {
  Open();
  SetText("");
  Type("1+1");
  std::string asked;
  WhenShown<QMessageBox>([&](QMessageBox& box) {
    asked = (box.windowTitle() + "|" + box.text()).toStdString();
    box.button(QMessageBox::No)->click();
  });
  Key(Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(asked, "询问|文件已经被修改，是否保存？");
  EXPECT_EQ(m_window->editor().buffer().Text(), std::string(BlankDocument()));
  EXPECT_EQ(m_window->windowTitle().toStdString(), "Tabulex");
}

TEST_F(MainWindowTest, OpenAndSaveThroughTheFileDialog) {
  const std::filesystem::path file = m_dir / "sums.txt";
  ASSERT_FALSE(WriteFileAtomically(file, "1+2"));
  Open();
  std::string title;
  ChooseInFileDialog(file,
                     [&](QFileDialog& dialog) { title = dialog.windowTitle().toStdString(); });
  Key(Qt::Key_O, Qt::ControlModifier);  // nothing changed yet: no question first
  EXPECT_EQ(title, "请输入欲打开的文本文件名：");
  EXPECT_EQ(m_window->windowTitle().toStdString(), "Tabulex - " + file.string());

  m_window->editor().buffer().SetCaret(3);
  Key(Qt::Key_Return);
  m_window->menus().save->trigger();  // to the opened file, without a dialog
  std::string saved;
  ASSERT_FALSE(ReadFile(file, saved));
  EXPECT_EQ(saved, "1+2=3");
}

// "另存为" offers the two encodings as file types, the document's own chosen; the choice
// becomes the document's encoding.
TEST_F(MainWindowTest, SaveAsOffersBothEncodingsAndTakesTheChosenOne) {
  const std::filesystem::path utf8 = m_dir / "utf8.txt";
  ASSERT_FALSE(WriteFileAtomically(utf8, "价=1\n"));
  const std::filesystem::path gbk = m_dir / "gbk.txt";
  Open();
  ChooseInFileDialog(utf8);
  Key(Qt::Key_O, Qt::ControlModifier);

  QStringList filters;
  QString preselected;
  ChooseInFileDialog(gbk, [&](QFileDialog& dialog) {
    filters = dialog.nameFilters();
    preselected = dialog.selectedNameFilter();
    dialog.selectNameFilter(filters.value(0));
  });
  m_window->menus().saveAs->trigger();
  EXPECT_EQ(filters, (QStringList{QString::fromUtf8("文本文件 GBK (*.txt)"),
                                  QString::fromUtf8("文本文件 UTF-8 (*.txt)")}));
  EXPECT_EQ(preselected, QString::fromUtf8("文本文件 UTF-8 (*.txt)"));
  std::string saved;
  ASSERT_FALSE(ReadFile(gbk, saved));
  EXPECT_EQ(saved, "\xBC\xDB=1\n");  // GBK now, the line ends as the file had them
}

TEST_F(MainWindowTest, ADropReplacesTheWholeText) {
  Open();
  SetText("old");
  QMimeData data;
  data.setText(QString::fromUtf8("3×4\n5"));
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  // Straight to the window: the application drops a drop event that no drag has led to.
  static_cast<QObject*>(m_window.get())->event(&drop);
  EXPECT_EQ(m_window->editor().buffer().Text(), Utf8ToGbk("3×4\r\n5"));
}

TEST_F(MainWindowTest, TheCloseCommandEndsWithoutTheExitQuestion) {
  Configure(SettingId::CloseAction, "0");  // the close button would ask
  Open();
  m_window->menus().close->trigger();
  EXPECT_FALSE(m_window->isVisible());
  ConfigFile config(RunFilesPathsIn(m_dir).configFile);
  EXPECT_EQ(ReadSetting(config, SettingId::RunCount), "2");
}

TEST_F(MainWindowTest, FindNextAndPreviousGoOnWithTheWindowsSearch) {
  Open();
  SetText("1+1=2\r\n2+2=4\r\n");
  m_window->editor().buffer().SetCaret(0);
  m_window->menus().find->trigger();
  auto* find = m_window->findChild<FindWindow*>();
  ASSERT_NE(find, nullptr);
  find->findChild<QLineEdit*>("searchBox")->setText("=");
  Button(*find, "查找下一个")->click();
  EXPECT_EQ(Shown(), "1+1▮=2\r\n2+2=4\r\n");
  find->close();

  m_window->menus().findNext->trigger();
  EXPECT_EQ(m_window->editor().buffer().Caret(), 10u);
  m_window->menus().findPrevious->trigger();
  EXPECT_EQ(m_window->editor().buffer().Caret(), 3u);
}

TEST_F(MainWindowTest, TheAccumulatorWritesTheCombinationAndCalculatesIt) {
  Open();
  SetText("");
  Type("1+2");
  Key(Qt::Key_Return);
  Key(Qt::Key_Return, Qt::ControlModifier);
  Type("3*4");
  Key(Qt::Key_Return);

  m_window->menus().accumulator->trigger();
  auto* window = m_window->findChild<AccumulatorWindow*>();
  ASSERT_NE(window, nullptr);
  emit Button(*window, ">>")->released();
  Button(*window, "确定")->click();
  EXPECT_EQ(Shown(), "1+2=3\r\n3×4=12\r\n3+12=15▮\r\n");
}

TEST_F(MainWindowTest, AnAccumulatorWindowOpenedBeforeAClearingWritesNothing) {
  Open();
  SetText("");
  Type("1+2");
  Key(Qt::Key_Return);
  m_window->menus().accumulator->trigger();
  auto* window = m_window->findChild<AccumulatorWindow*>();
  ASSERT_NE(window, nullptr);

  WhenShown<QDialog>([](QDialog& confirm) { Button(confirm, "确定")->click(); });
  m_window->menus().clearAccumulator->trigger();
  Type("5");
  Key(Qt::Key_Return);  // a new first entry, with the serial the old one had
  emit Button(*window, ">>")->released();
  Button(*window, "确定")->click();
  EXPECT_EQ(Shown(), "1+2=35▮");
}

TEST_F(MainWindowTest, TheToolWindowOpensOnTheChosenTab) {
  Open();
  std::vector<int> tabs;
  const auto closeOnItsTab = [&](ToolWindow& window) {
    tabs.push_back(window.findChild<QTabWidget*>()->currentIndex());
    window.reject();
  };
  WhenShown<ToolWindow>(closeOnItsTab);
  m_window->menus().statistics->trigger();
  WhenShown<ToolWindow>(closeOnItsTab);
  m_window->menus().toolWindow->trigger();  // the tab chosen last
  WhenShown<ToolWindow>(closeOnItsTab);
  m_window->menus().baseConversion->trigger();
  WhenShown<ToolWindow>(closeOnItsTab);
  m_window->menus().unitConversion->trigger();
  WhenShown<ToolWindow>(closeOnItsTab);
  m_window->menus().timeCalculation->trigger();
  WhenShown<ToolWindow>(closeOnItsTab);
  m_window->menus().toolWindow->trigger();
  EXPECT_EQ(tabs, (std::vector<int>{1, 1, 0, 2, 3, 3}));
}

TEST_F(MainWindowTest, FullScreenLeavesOnlyTheEditorAndComesBackWithTheCaption) {
  MainWindow& window = Open();
  const QRect before = window.geometry();
  window.setWindowTitle("Tabulex - /tmp/sums.txt");
  window.menus().fullScreen->trigger();
  EXPECT_TRUE(window.menus().fullScreen->isChecked());
  EXPECT_FALSE(window.menuBar()->isVisible());
  EXPECT_FALSE(window.statusBar().isVisible());
  EXPECT_EQ(window.windowTitle(), "");
  EXPECT_EQ(window.geometry(), before);

  // The clear-all shortcut went with the menu bar; the editor's key handler takes Ctrl+D,
  // as the menu's clear-all: the blank document is nothing to save.
  Type("1+1");
  EXPECT_TRUE(window.document().Modified());
  Key(Qt::Key_D, Qt::ControlModifier);
  EXPECT_EQ(window.editor().buffer().Text(), std::string(BlankDocument()));
  EXPECT_FALSE(window.document().Modified());

  window.menus().fullScreen->trigger();
  EXPECT_FALSE(window.menus().fullScreen->isChecked());
  EXPECT_TRUE(window.menuBar()->isVisible());
  EXPECT_TRUE(window.statusBar().isVisible());
  EXPECT_EQ(window.windowTitle().toStdString(), "Tabulex V6.2.3");
}

// Only the file commands and the full-screen toggle write the caption; other commands leave
// it as it is, also while it is empty in full-screen mode.
TEST_F(MainWindowTest, OnlyFileCommandsAndFullScreenChangeTheCaption) {
  MainWindow& window = Open();
  MainMenus& menus = window.menus();
  menus.newDocument->trigger();
  EXPECT_EQ(window.windowTitle().toStdString(), "Tabulex");

  menus.fullScreen->trigger();
  for (QAction* command : {menus.contextSelectAll, menus.contextClearAll, menus.deleteLine}) {
    command->trigger();
    EXPECT_EQ(window.windowTitle().toStdString(), "") << command->text().toStdString();
  }
  menus.fullScreen->trigger();
  for (QAction* command : {menus.selectAll, menus.clearAll, menus.pasteResult}) {
    command->trigger();
    EXPECT_EQ(window.windowTitle().toStdString(), "Tabulex V6.2.3")
        << command->text().toStdString();
  }
  menus.newDocument->trigger();
  EXPECT_EQ(window.windowTitle().toStdString(), "Tabulex");
}

TEST_F(MainWindowTest, TheCaretPositionFollowsKeyboardMoves) {
  Open();
  SetText("12\r\n345");
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* shown;
  } moves[] = {
      {Qt::Key_Home, Qt::NoModifier, " 行: 2,列: 1,"},
      {Qt::Key_Right, Qt::NoModifier, " 行: 2,列: 2,"},
      {Qt::Key_Up, Qt::NoModifier, " 行: 1,列: 2,"},
      {Qt::Key_End, Qt::ControlModifier, " 行: 2,列: 3,"},
      {Qt::Key_Home, Qt::ControlModifier, " 行: 1,列: 1,"},
      {Qt::Key_PageDown, Qt::NoModifier, " 行: 2,列: 1,"},
  };
  for (const auto& move : moves) {
    SCOPED_TRACE(move.shown);
    Key(move.key, move.modifiers);
    EXPECT_EQ(Part(1), move.shown);
  }
}

TEST_F(MainWindowTest, TextAnInputMethodCommitsGoesThroughTheCharacterFilter) {
  Configure(SettingId::LaptopMode, "真");
  Open();
  SetText("");
  QInputMethodEvent composing(QStringLiteral("2"), {});
  QApplication::sendEvent(&m_window->editor(), &composing);
  QInputMethodEvent commit;
  commit.setCommitString(QString::fromUtf8("2*3/4=[1]😀"));
  QApplication::sendEvent(&m_window->editor(), &commit);
  EXPECT_EQ(Shown(), "2×3÷4+÷1×?▮");
}

TEST_F(MainWindowTest, CtrlWheelZoomAddsUpPartsOfANotch) {
  Open();
  QWidget* viewport = m_window->editor().viewport();
  const int size = m_window->editor().font().pointSize();
  const auto turn = [viewport](int angle) {
    QWheelEvent wheel(QPointF(20, 20), viewport->mapToGlobal(QPointF(20, 20)), QPoint(),
                      QPoint(0, angle), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(viewport, &wheel);
  };
  for (int i = 0; i < 6; ++i) turn(40);  // a touchpad: thirds of a notch
  EXPECT_EQ(m_window->editor().font().pointSize(), size + 2);
  turn(-120);
  EXPECT_EQ(m_window->editor().font().pointSize(), size + 1);
}

TEST_F(MainWindowTest, TheAccumulatorWindowLeavesTheKeyboardWithTheEditor) {
  Open();
  SetText("");
  Key(Qt::Key_F7);
  QApplication::processEvents();
  ASSERT_NE(m_window->findChild<AccumulatorWindow*>(), nullptr);
  EXPECT_EQ(QApplication::activeWindow(), m_window.get());
  EXPECT_EQ(QApplication::focusWidget(), &m_window->editor());
  Type("1+1");
  Key(Qt::Key_Return);
  EXPECT_EQ(Shown(), "1+1=2▮");
}

TEST_F(MainWindowTest, ResettingTheSettingsLeavesTheWindowOpaque) {
  Configure(SettingId::SkinSlider, "20");
  MainWindow& window = Open();
  EXPECT_LT(window.windowOpacity(), 1.0);
  window.menus().resetSettings->trigger();
  EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);
}

TEST_F(MainWindowTest, TheHelpMenuOpensHelpAndAbout) {
  Open();
  std::vector<std::string> titles;
  const auto closeIt = [&](QDialog& dialog) {
    titles.push_back(dialog.windowTitle().toStdString());
    dialog.reject();
  };
  WhenShown<QDialog>(closeIt);
  Key(Qt::Key_F1);
  WhenShown<QDialog>(closeIt);
  m_window->menus().about->trigger();
  EXPECT_EQ(titles, (std::vector<std::string>{"帮助", "Tabulex V6.2.3"}));
}

}  // namespace
}  // namespace tabulex
