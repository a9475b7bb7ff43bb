// The main window's ways out and the status bar's mouse commands, offscreen: the close
// request by closeAction, Esc when the settings allow it, the tray menu's "退出", and the
// keypad, whose geometry is written when the main window closes with it open.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMouseEvent>

#include "app/desktop_adapter.h"
#include "app/main_window_fixture.h"
#include "base/file_io.h"
#include "settings/qt/settings_window.h"
#include "tools/qt/keypad_window.h"
#include "window/qt/tray_icon.h"

namespace tabulex {
namespace {

class MainWindowClosingTest : public MainWindowTest {
 protected:
  std::string Stored(SettingId id) {
    ConfigFile config(RunFilesPathsIn(m_dir).configFile);
    return ReadSetting(config, id);
  }
  // The shutdown has written the run counter of the next start.
  bool ShutDown() { return Stored(SettingId::RunCount) == "2"; }

  void ClickStatusBar(QEvent::Type type, Qt::MouseButton button) {
    MainStatusBar& bar = m_window->statusBar();
    const QPointF at(5, bar.height() / 2);
    QMouseEvent event(type, at, bar.mapToGlobal(at), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(&bar, &event);
  }
};

TEST_F(MainWindowClosingTest, CloseActionDecidesWhatClosingTheWindowDoes) {
  // Offscreen there is no tray: "keep running" minimises instead of hiding.
  const struct {
    const char* closeAction;
    const char* answer;  // the exit question's button, if it is asked
    bool closed;
  } rows[] = {
      {"1", nullptr, true},
      {"0", "直接退出", true},
      {"0", "置托盘", false},
      {"2", nullptr, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.closeAction) + " " + (row.answer ? row.answer : ""));
    TearDown();
    SetUp();
    Configure(SettingId::CloseAction, row.closeAction);
    MainWindow& window = Open();
    std::string asked;
    if (row.answer != nullptr) {
      WhenShown<QDialog>([&asked, &row](QDialog& dialog) {
        asked = dialog.windowTitle().toStdString();
        Button(dialog, row.answer)->click();
      });
    }
    window.close();
    if (row.answer != nullptr) {
      EXPECT_EQ(asked, "是否要直接退出！");
    }
    EXPECT_EQ(ShutDown(), row.closed);
    EXPECT_EQ(window.isVisible(), !row.closed);
    if (!row.closed) {
      EXPECT_TRUE(window.isMinimized());
    }
  }
}

TEST_F(MainWindowClosingTest, EscClosesTheWindowOnceTheSettingsWindowAllowsIt) {
  Configure(SettingId::CloseAction, "1");
  MainWindow& window = Open();
  Key(Qt::Key_Escape);
  EXPECT_TRUE(window.isVisible());  // off until the settings window's OK has run

  // "自动添加" unchecked: Esc closes.
  WhenShown<SettingsWindow>([](SettingsWindow& settings) { Button(settings, "确定")->click(); });
  window.menus().quickSettings->trigger();
  Key(Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(ShutDown());
}

TEST_F(MainWindowClosingTest, TheTrayMenusExitEndsWithoutTheQuestion) {
  Configure(SettingId::CloseAction, "0");  // the close button would ask
  MainWindow& window = Open();
  auto* tray = window.findChild<TrayIcon*>();
  ASSERT_NE(tray, nullptr);
  QAction* exit = nullptr;
  for (QAction* action : tray->menu().actions()) {
    if (action->text() == QString::fromUtf8("退出")) exit = action;
  }
  ASSERT_NE(exit, nullptr);
  exit->trigger();
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(ShutDown());
}

TEST_F(MainWindowClosingTest, TheStatusBarClearsOnADoubleClickAndTogglesTheKeypad) {
  MainWindow& window = Open();
  SetText("");
  Type("1+1");
  ClickStatusBar(QEvent::MouseButtonDblClick, Qt::LeftButton);
  EXPECT_EQ(window.editor().buffer().Text(), std::string(BlankDocument()));
  EXPECT_FALSE(window.document().Modified());

  ClickStatusBar(QEvent::MouseButtonRelease, Qt::RightButton);
  auto* keypad = window.findChild<KeypadWindow*>();
  ASSERT_NE(keypad, nullptr);
  EXPECT_TRUE(keypad->isVisible());
  ClickStatusBar(QEvent::MouseButtonRelease, Qt::RightButton);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window.findChild<KeypadWindow*>(), nullptr);
}

TEST_F(MainWindowClosingTest, TheKeypadFromItsMenuWritesItsGeometryWhenTheWindowCloses) {
  Configure(SettingId::CloseAction, "1");
  MainWindow& window = Open();
  window.menus().keypad->trigger();
  auto* keypad = window.findChild<KeypadWindow*>();
  ASSERT_NE(keypad, nullptr);
  EXPECT_TRUE(keypad->isVisible());
  keypad->move(120, 130);
  keypad->resize(400, 220);
  window.close();
  EXPECT_TRUE(ShutDown());
  EXPECT_EQ(Stored(SettingId::KeypadWidth), "400");
  EXPECT_EQ(Stored(SettingId::KeypadHeight), "220");
  EXPECT_EQ(Stored(SettingId::KeypadLeft), "120");
  EXPECT_EQ(Stored(SettingId::KeypadTop), "130");
}

// A logout first asks for the data: everything is written and the program goes on (the
// logout may be cancelled); the session manager's quit then closes without any question, and
// the real end writes the same run counter again.
TEST_F(MainWindowClosingTest, TheSessionEndSavesFirstAndThenClosesWithoutAsking) {
  Configure(SettingId::CloseAction, "0");
  Configure(SettingId::KeepContent, "真");
  MainWindow& window = Open();
  SetText("1+1");
  window.SaveForSessionEnd();
  EXPECT_TRUE(ShutDown());
  std::string kept;
  ASSERT_FALSE(ReadFile(RunFilesPathsIn(m_dir).backupFile, kept));
  EXPECT_EQ(kept, "1+1");
  EXPECT_TRUE(window.isVisible());

  std::string asked;
  const ModalWatch<QDialog> question([&asked](QDialog& dialog) {
    asked = dialog.windowTitle().toStdString();
    dialog.reject();
  });
  // The quit as the session watch sees it, then the closing of every window that the quit
  // starts (the quit itself would end every later event loop of this test process).
  QEvent quit(QEvent::Quit);
  QObject* watch = window.findChild<DesktopAdapter*>();
  ASSERT_NE(watch, nullptr);
  watch->eventFilter(qApp, &quit);
  window.close();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(asked, "");
  EXPECT_TRUE(ShutDown());  // still 2: one run, one count
}

// The stored bounds are the outer frame's, applied and read alike: however often the program
// starts and closes, the window comes back at the same place with the same size.
TEST_F(MainWindowClosingTest, StartingAndClosingAgainKeepsPlaceAndSize) {
  Configure(SettingId::CloseAction, "1");
  Configure(SettingId::WindowLeft, "100");
  Configure(SettingId::WindowTop, "120");
  Configure(SettingId::WindowWidth, "640");
  Configure(SettingId::WindowHeight, "400");
  for (int start = 1; start <= 3; ++start) {
    SCOPED_TRACE(start);
    MainWindow& window = Open();
    EXPECT_EQ(window.frameGeometry(), QRect(100, 120, 640, 400));
    window.close();
    EXPECT_EQ(Stored(SettingId::WindowLeft), "100");
    EXPECT_EQ(Stored(SettingId::WindowTop), "120");
    EXPECT_EQ(Stored(SettingId::WindowWidth), "640");
    EXPECT_EQ(Stored(SettingId::WindowHeight), "400");
    m_window.reset();
  }
}

}  // namespace
}  // namespace tabulex
