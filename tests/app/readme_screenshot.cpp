// Draws the README's picture of the main window: a few lines typed and calculated, rendered
// offscreen. Usage: tabulex_readme_screenshot OUTPUT.png
#include <QApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QTest>

#include <cstdlib>

#include "app/main_window.h"
#include "editor/qt/main_editor.h"
#include "support/temp_directory.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  const tabulex::TempDirectory run;
  if (run.Path().empty()) return 1;
  {
    tabulex::MainWindow window(tabulex::RunFilesPathsIn(run.Path()));
    if (!window.Start()) return 1;
    window.resize(820, 420);
    window.show();
    tabulex::MainEditor& editor = window.editor();
    editor.setFocus();
    editor.buffer().SetText("");
    bool first = true;
    for (const char* line :
         {"15+3", "5(3+6)", "sin30+2^3", "1∟3+2∟1∟4", "价格=0.3+0.5", "max(3,9,2)+10÷4"}) {
      if (!first) QTest::keyClick(&editor, Qt::Key_Return, Qt::ControlModifier);
      first = false;
      for (const QChar c : QString::fromUtf8(line)) {
        // The test keyboard knows ASCII keys only; other characters arrive as typed text.
        if (c.unicode() < 0x80) {
          QTest::keyClick(&editor, c.toLatin1());
        } else {
          QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
          QApplication::sendEvent(&editor, &press);
        }
      }
      QTest::keyClick(&editor, Qt::Key_Return);
    }
    window.grab().save(QString::fromLocal8Bit(argv[1]));
  }
  return 0;
}
