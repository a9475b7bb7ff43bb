// Draws the README's pictures, rendered offscreen: the main window with a few lines typed and
// calculated, and the tool window's statistics, unit and time tabs with an example each.
// Usage: tabulex_readme_screenshot OUTPUT.png [TOOLS_PREFIX]; the tabs go to
// TOOLS_PREFIX-statistics.png, -units.png and -time.png.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include <cstdlib>

#include "app/main_window.h"
#include "editor/qt/main_editor.h"
#include "support/temp_directory.h"
#include "tools/qt/tool_window.h"

namespace {

template <typename Widget>
Widget& Child(QWidget& window, const char* name) {
  return *window.findChild<Widget*>(QString::fromLatin1(name));
}

// Each tab with an example typed in, as a user would see it.
void DrawToolTabs(const QString& prefix) {
  {
    tabulex::ToolWindow window(1, nullptr);
    window.show();
    Child<QPlainTextEdit>(window, "statisticsInput")
        .setPlainText(QStringLiteral("12.5\n14\n13.2\n15.8\n11.9\n14.6\n13.3\n16.1\n12.8\n14.4"));
    window.grab().save(prefix + QStringLiteral("-statistics.png"));
  }
  {
    tabulex::ToolWindow window(2, nullptr);
    window.show();
    Child<QComboBox>(window, "unitCategory").setCurrentIndex(1);  // 面积
    QComboBox& from = Child<QComboBox>(window, "fromUnit");
    from.setCurrentIndex(from.findText(QString::fromUtf8("亩"), Qt::MatchStartsWith));
    Child<QComboBox>(window, "toUnit").setCurrentIndex(0);
    Child<QLineEdit>(window, "unitValue").setText(QStringLiteral("3.5"));
    window.grab().save(prefix + QStringLiteral("-units.png"));
  }
  {
    tabulex::ToolWindow window(3, nullptr);
    window.resize(560, 900);  // every section at once
    window.show();
    Child<QLineEdit>(window, "spanFrom").setText(QStringLiteral("2024-02-10"));
    Child<QLineEdit>(window, "spanTo").setText(QStringLiteral("2025-01-29"));
    Child<QLineEdit>(window, "shiftDate").setText(QStringLiteral("2024-02-10"));
    Child<QLineEdit>(window, "infoDate").setText(QStringLiteral("2024-02-04"));
    Child<QPlainTextEdit>(window, "durationInput")
        .setPlainText(QStringLiteral("1:30:20\n-0:45\n2:05:10"));
    window.grab().save(prefix + QStringLiteral("-time.png"));
  }
}

}  // namespace

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
  if (argc > 2) DrawToolTabs(QString::fromLocal8Bit(argv[2]));
  return 0;
}
