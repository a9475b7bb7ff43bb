#include "help/qt/about_window.h"

#include <QColor>
#include <QDesktopServices>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <system_error>
#include <utility>

#include "help/qt/help_window.h"
#include "settings/run_files_directory.h"
#include "version/version.h"
#include "window/qt/app_icon.h"

namespace tabulex {
namespace {

struct AboutLink {
  const char* name;
  const char* caption;
};

// The link targets are resolved when clicked: the configuration file may appear meanwhile.
constexpr AboutLink kLinks[] = {
    {"help", "使用帮助"},
    {"shortcuts", "快捷键"},
    {"runFiles", "运行文件夹"},
    {"configFile", "配置文件"},
};

// A sheet of paper with one calculated line, the way the program is used.
QPixmap PaperSheetPicture() {
  QPixmap pixmap(168, 76);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);

  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 40));
  painter.drawRect(QRectF(7, 7, 156, 66));
  const QPointF sheet[] = {{3, 3}, {141, 3}, {159, 21}, {159, 69}, {3, 69}};
  painter.setPen(QPen(QColor(0x9a, 0xa5, 0xb1), 1));
  painter.setBrush(QColor(0xff, 0xfe, 0xf6));
  painter.drawPolygon(sheet, 5);
  const QPointF fold[] = {{141, 3}, {141, 21}, {159, 21}};
  painter.setBrush(QColor(0xe4, 0xe7, 0xea));
  painter.drawPolygon(fold, 3);

  painter.setPen(QPen(QColor(0xc6, 0xd8, 0xee), 1));
  for (int y = 27; y < 69; y += 14) painter.drawLine(QPointF(9, y), QPointF(153, y));
  painter.setPen(QPen(QColor(0xe8, 0xa0, 0xa0), 1));
  painter.drawLine(QPointF(20, 5), QPointF(20, 67));

  QFont font(QStringLiteral("Monospace"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPixelSize(15);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(QColor(0x1f, 0x3d, 0x5c));
  painter.drawText(QPointF(26, 39), QStringLiteral("15+3=18"));
  return pixmap;
}

QUrl LocalUrl(const std::filesystem::path& path) {
  return QUrl::fromLocalFile(QString::fromStdString(path.string()));
}

}  // namespace

AboutWindow::AboutWindow(std::filesystem::path runFilesDirectory, QWidget* parent)
    : QDialog(parent), m_runFilesDirectory(std::move(runFilesDirectory)) {
  setWindowTitle(QString::fromLatin1(kProgramTitle));
  setModal(true);

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("iconPicture"));
  icon->setPixmap(TabulexIcon().pixmap(48, 48));
  auto* name =
      new QLabel(QStringLiteral("<b>%1</b>").arg(QString::fromLatin1(kProgramTitle)), this);
  auto* invitation = new QLabel(
      QString::fromUtf8("使用中有任何问题或建议，欢迎反馈给我们，帮助我们把 Tabulex 做得更好！"),
      this);
  invitation->setObjectName(QStringLiteral("invitation"));
  invitation->setWordWrap(true);
  auto* text = new QVBoxLayout;
  text->addWidget(name);
  text->addWidget(invitation);
  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addLayout(text, 1);

  auto* sheet = new QLabel(this);
  sheet->setObjectName(QStringLiteral("sheetPicture"));
  sheet->setPixmap(PaperSheetPicture());

  auto* links = new QHBoxLayout;
  for (const AboutLink& link : kLinks) {
    auto* label =
        new QLabel(QStringLiteral("<a href=\"%1\">%2</a>")
                       .arg(QString::fromUtf8(link.name), QString::fromUtf8(link.caption)),
                   this);
    label->setObjectName(QString::fromUtf8(link.name) + QStringLiteral("Link"));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(label, &QLabel::linkActivated, this, &AboutWindow::OpenLink);
    links->addWidget(label);
  }

  auto* close = new QPushButton(QString::fromUtf8("关闭"), this);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(sheet, 0, Qt::AlignHCenter);
  layout->addLayout(links);
  layout->addLayout(buttons);
  setFixedWidth(360);
}

void AboutWindow::OpenLink(const QString& target) {
  if (target == QStringLiteral("help") || target == QStringLiteral("shortcuts")) {
    HelpWindow help(this,
                    target == QStringLiteral("help") ? HelpSection::Input : HelpSection::Shortcuts);
    help.exec();
    return;
  }
  const std::filesystem::path configFile = RunFilesPathsIn(m_runFilesDirectory).configFile;
  std::error_code error;
  // Before the first settings are written there is no file; its folder is the next best.
  const bool fileExists = std::filesystem::is_regular_file(configFile, error);
  const bool wantsFile = target == QStringLiteral("configFile");
  QDesktopServices::openUrl(LocalUrl(wantsFile && fileExists ? configFile : m_runFilesDirectory));
}

}  // namespace tabulex
