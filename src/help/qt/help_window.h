// HelpWindow: the modal "帮助" window, the built-in help text in a read-only browser.
#pragma once

#include <QDialog>

#include "help/qt/help_text.h"

class QTextBrowser;

namespace tabulex {

class HelpWindow final : public QDialog {
  Q_OBJECT

 public:
  // Opens at the given section; at the top for the first.
  explicit HelpWindow(QWidget* parent, HelpSection section = HelpSection::Input);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QTextBrowser* m_browser;
  QString m_anchor;  // scrolled to once, when first shown
};

}  // namespace tabulex
