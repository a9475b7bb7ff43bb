// tabulex: the desktop calculator.
#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "app/display_check.h"
#include "app/main_window.h"
#include "app/termination_signals.h"
#include "settings/run_files_directory.h"

namespace {

// --run-dir DIR or --run-dir=DIR, taken out before Qt sees the arguments.
std::optional<std::string> TakeRunDirOption(int& argc, char** argv) {
  std::optional<std::string> runDir;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--run-dir") == 0 && i + 1 < argc) {
      runDir = argv[++i];
    } else if (std::strncmp(argv[i], "--run-dir=", 10) == 0) {
      runDir = argv[i] + 10;
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
  argv[argc] = nullptr;
  return runDir;
}

// tabulex [FILE]: the first argument Qt has not taken, as an absolute path (a running
// instance that is handed it has another working directory).
std::filesystem::path FileArgument(const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    QString argument = arguments[i];
    if (argument == QStringLiteral("--") && i + 1 < arguments.size()) {
      argument = arguments[i + 1];
    } else if (argument.startsWith(QLatin1Char('-'))) {
      continue;
    }
    return QFileInfo(argument).absoluteFilePath().toStdString();
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<std::string> runDir = TakeRunDirOption(argc, argv);
  // Window placement works on X11 coordinates: with a display and no platform chosen, use
  // xcb (also under XWayland).
  if (std::getenv("DISPLAY") != nullptr && std::getenv("QT_QPA_PLATFORM") == nullptr) {
    setenv("QT_QPA_PLATFORM", "xcb", 1);
  }
  if (const std::optional<std::string> missing = tabulex::MissingDisplayMessage()) {
    std::fprintf(stderr, "%s\n", missing->c_str());
    return 1;
  }
  QApplication application(argc, argv);
  application.setApplicationName(QStringLiteral("Tabulex"));
  // The program ends through its shutdown only: not when a last dialog closes while the main
  // window waits hidden behind its tray icon. A quit from outside is the session ending.
  application.setQuitOnLastWindowClosed(false);
  // The program speaks Chinese whatever the locale: Qt's standard buttons and dialogs too.
  QTranslator qtTexts;
  if (qtTexts.load(QStringLiteral("qtbase_zh_CN"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    application.installTranslator(&qtTexts);
  }

  tabulex::MainWindow window(tabulex::RunFilesPathsIn(tabulex::RunFilesDirectory(runDir)));
  window.SetFileToOpen(FileArgument(application.arguments()));
  // Taken over before the start-up, so that a signal during it ends the program cleanly too.
  tabulex::TerminationSignals termination(&window);
  QObject::connect(&termination, &tabulex::TerminationSignals::terminationRequested, &window,
                   &tabulex::MainWindow::EndSession);
  if (!window.Start()) return 0;
  window.ShowAsStarted();
  QTimer::singleShot(0, &window, &tabulex::MainWindow::FinishStart);
  return application.exec();
}
