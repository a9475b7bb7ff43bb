// tabulex: the desktop calculator.
#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "app/desktop_command_line.h"
#include "app/display_check.h"
#include "app/main_window.h"
#include "app/termination_signals.h"
#include "settings/run_files_directory.h"

namespace {

// The id the desktop entry, the icons and the AppStream metadata in data/ are named by.
constexpr char kApplicationId[] = "io.github.tabulex.Tabulex";

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
  // --help and --version answer before anything else: no display, no lock, no run files.
  const tabulex::DesktopCommandLine commandLine = tabulex::TakeDesktopOptions(argc, argv);
  if (commandLine.request == tabulex::DesktopRequest::ShowHelp) {
    std::fputs(tabulex::DesktopHelpText().c_str(), stdout);
    return 0;
  }
  if (commandLine.request == tabulex::DesktopRequest::ShowVersion) {
    std::printf("%s\n", tabulex::DesktopVersionLine().c_str());
    return 0;
  }
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
  // Wayland matches the window to its desktop entry by this name (the app id); X11 by the
  // window class, the application name above (StartupWMClass in the entry).
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
  // The program ends through its shutdown only: not when a last dialog closes while the main
  // window waits hidden behind its tray icon. A quit from outside is the session ending.
  application.setQuitOnLastWindowClosed(false);
  // The program speaks Chinese whatever the locale: Qt's standard buttons and dialogs too.
  QTranslator qtTexts;
  if (qtTexts.load(QStringLiteral("qtbase_zh_CN"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    application.installTranslator(&qtTexts);
  }

  tabulex::MainWindow window(
      tabulex::RunFilesPathsIn(tabulex::RunFilesDirectory(commandLine.runDir)));
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
