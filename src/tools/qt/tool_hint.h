// The tool window's hint line under a tab's controls ("   *输入即转换 ..."): a label that wraps.
#pragma once

#include <QLabel>
#include <QString>

namespace tabulex {

inline QLabel* CreateToolHint(const char* utf8, QWidget* parent) {
  auto* hint = new QLabel(QString::fromUtf8(utf8), parent);
  hint->setWordWrap(true);
  return hint;
}

}  // namespace tabulex
