// The yardstick for the desktop program's start-up: a bare Qt 6 window of the same shape (a
// menu bar with six menus, a text box, a status bar with three parts), shown as soon as it is
// made. bench/startup.sh starts it and tabulex alternately.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare Qt window"));
  for (const char* menu : {"&F.文件", "&E.编辑", "&S.查找", "&F.辅助", "&K.设置", "&H.关于"}) {
    window.menuBar()->addMenu(QString::fromUtf8(menu))->addAction(QStringLiteral("item"));
  }
  window.setCentralWidget(new QPlainTextEdit(&window));
  for (int part = 0; part < 3; ++part) window.statusBar()->addWidget(new QLabel(&window));
  window.resize(640, 400);
  window.show();
  return application.exec();
}
