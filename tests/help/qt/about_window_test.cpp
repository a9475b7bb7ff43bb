#include "help/qt/about_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <filesystem>
#include <fstream>
#include <optional>

#include "settings/run_files_directory.h"

namespace tabulex {

// Takes the file URLs the about window would hand to the desktop.
class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  std::optional<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened = url; }
};

namespace {

class AboutWindowTest : public ::testing::Test {
 protected:
  AboutWindowTest() { QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "Open"); }
  ~AboutWindowTest() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

  std::filesystem::path Directory() const { return directory.path().toStdString(); }
  static void Activate(const AboutWindow& window, const char* link) {
    auto* label = window.findChild<QLabel*>(QString::fromUtf8(link) + QStringLiteral("Link"));
    ASSERT_NE(label, nullptr) << link;
    emit label->linkActivated(QString::fromUtf8(link));
  }

  QTemporaryDir directory;
  UrlRecorder recorder;
};

TEST_F(AboutWindowTest, HasTitlePicturesLinksAndCloseButton) {
  AboutWindow window(Directory(), nullptr);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Tabulex V6.2.3"));
  EXPECT_TRUE(window.isModal());
  for (const char* picture : {"iconPicture", "sheetPicture"}) {
    auto* label = window.findChild<QLabel*>(QString::fromUtf8(picture));
    ASSERT_NE(label, nullptr) << picture;
    EXPECT_FALSE(label->pixmap().isNull()) << picture;
  }
  const struct {
    const char* name;
    const char* caption;
  } links[] = {{"help", "使用帮助"},
               {"shortcuts", "快捷键"},
               {"runFiles", "运行文件夹"},
               {"configFile", "配置文件"}};
  for (const auto& link : links) {
    auto* label = window.findChild<QLabel*>(QString::fromUtf8(link.name) + QStringLiteral("Link"));
    ASSERT_NE(label, nullptr) << link.name;
    EXPECT_TRUE(label->text().contains(QString::fromUtf8(link.caption))) << link.name;
  }
  bool closeFound = false;
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    closeFound = closeFound || button->text() == QString::fromUtf8("关闭");
  }
  EXPECT_TRUE(closeFound);
}

TEST_F(AboutWindowTest, FileLinksOpenTheRunFiles) {
  AboutWindow window(Directory(), nullptr);
  const QUrl folder = QUrl::fromLocalFile(directory.path());

  Activate(window, "runFiles");
  EXPECT_EQ(recorder.opened, folder);

  // No configuration file yet: its folder instead of nothing.
  recorder.opened.reset();
  Activate(window, "configFile");
  EXPECT_EQ(recorder.opened, folder);

  const std::filesystem::path configFile = RunFilesPathsIn(Directory()).configFile;
  std::ofstream(configFile) << "[运行设置]\n";
  Activate(window, "configFile");
  EXPECT_EQ(recorder.opened, QUrl::fromLocalFile(QString::fromStdString(configFile.string())));
}

TEST_F(AboutWindowTest, ShortcutLinkOpensTheHelpWindowModally) {
  AboutWindow window(Directory(), nullptr);
  window.show();
  QString openedTitle;
  QTimer::singleShot(0, [&openedTitle] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      openedTitle = modal->windowTitle();
      modal->close();
    }
  });
  Activate(window, "shortcuts");
  EXPECT_EQ(openedTitle, QString::fromUtf8("帮助"));
  EXPECT_FALSE(recorder.opened.has_value());
}

}  // namespace
}  // namespace tabulex

#include "about_window_test.moc"
