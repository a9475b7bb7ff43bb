#include "window/qt/app_icon.h"

#include <QDirIterator>
#include <QString>

namespace tabulex {

QIcon TabulexIcon() {
  // Every size the build drew (the list of sizes is kept in data/CMakeLists.txt only).
  QIcon icon;
  QDirIterator files(QStringLiteral(":/tabulex-icon"), QDir::Files, QDirIterator::Subdirectories);
  while (files.hasNext()) icon.addFile(files.next());
  return icon;
}

}  // namespace tabulex
