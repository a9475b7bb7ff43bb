// The real main window, offscreen, for the window tests: a fresh window per test in a
// temporary run-files directory, keys typed into the MainEditor, the text, the caret and the
// status bar read back, and modal dialogs answered as they come up.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/main_window.h"
#include "editor/qt/main_editor.h"
#include "engine/gbk_text.h"
#include "settings/config_file.h"
#include "settings/setting_keys.h"
#include "support/temp_directory.h"
#include "window/qt/main_status_bar.h"

namespace tabulex {

class MainWindowTest : public ::testing::Test {
 protected:
  // Each SetUp makes a fresh directory: a test that starts over calls TearDown and SetUp.
  void SetUp() override {
    m_temp.emplace();
    m_dir = m_temp->Path();
    ASSERT_FALSE(m_dir.empty());
  }
  void TearDown() override {
    m_window.reset();
    m_temp.reset();
  }

  // Configuration keys to have in the file before the window starts (UTF-8 values).
  void Configure(SettingId id, const char* value) {
    ConfigFile config(RunFilesPathsIn(m_dir).configFile);
    WriteSetting(config, id, Utf8ToGbk(value));
  }

  MainWindow& Open() {
    m_window = std::make_unique<MainWindow>(RunFilesPathsIn(m_dir));
    EXPECT_TRUE(m_window->Start());
    m_window->ShowAsStarted();
    // Menu shortcuts reach only the active window.
    m_window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    m_window->editor().setFocus();
    return *m_window;
  }

  // The editor text in UTF-8 with CR LF, "▮" at the caret.
  std::string Shown() {
    EditorWidgetBuffer& buffer = m_window->editor().buffer();
    const std::string text = buffer.Text();
    const std::size_t caret = buffer.Caret();
    return GbkToUtf8(text.substr(0, caret)) + "▮" + GbkToUtf8(text.substr(caret));
  }

  void Type(const char* utf8) { QTest::keyClicks(&m_window->editor(), QString::fromUtf8(utf8)); }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(&m_window->editor(), key, modifiers);
  }
  std::string Part(int part) { return m_window->statusBar().PartText(part).toStdString(); }
  void SetText(const char* utf8) {
    m_window->editor().buffer().SetText(Utf8ToGbk(utf8));
    m_window->editor().buffer().SetCaret(m_window->editor().buffer().Length());
  }

  // Answers every modal dialog of this kind shown while it lives: for dialogs that must not
  // come, whose coming would otherwise block the test.
  template <typename Dialog>
  class ModalWatch {
   public:
    explicit ModalWatch(std::function<void(Dialog&)> answer) {
      QObject::connect(&m_timer, &QTimer::timeout, [answer] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
          answer(*dialog);
        }
      });
      m_timer.start(10);
    }

   private:
    QTimer m_timer;
  };

  // Runs answer on the next modal dialog, once it is shown.
  template <typename Dialog>
  static void WhenShown(std::function<void(Dialog&)> answer) {
    QTimer::singleShot(10, [answer] {
      if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
        answer(*dialog);
      } else {
        WhenShown<Dialog>(answer);
      }
    });
  }

  // Chooses file in the next file dialog, after looking at it first: the file name is typed
  // into the dialog's own box (selectFile would wait for the background directory listing).
  static void ChooseInFileDialog(const std::filesystem::path& file,
                                 std::function<void(QFileDialog&)> first = {}) {
    WhenShown<QFileDialog>([file, first](QFileDialog& dialog) {
      if (first) first(dialog);
      auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
      ASSERT_NE(name, nullptr);
      name->setText(QString::fromStdString(file.string()));
      EXPECT_EQ(dialog.selectedFiles().value(0).toStdString(), file.string());
      static_cast<QDialog&>(dialog).done(QDialog::Accepted);
    });
  }

  // The button of a window with this caption.
  static QPushButton* Button(QWidget& window, const char* caption) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
      if (button->text() == QString::fromUtf8(caption)) return button;
    }
    ADD_FAILURE() << "no button " << caption;
    return nullptr;
  }

  std::optional<TempDirectory> m_temp;
  std::filesystem::path m_dir;
  std::unique_ptr<MainWindow> m_window;
};

}  // namespace tabulex
