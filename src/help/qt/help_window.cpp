#include "help/qt/help_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <utility>

namespace tabulex {

HelpWindow::HelpWindow(QWidget* parent, HelpSection section)
    : QDialog(parent),
      m_browser(new QTextBrowser(this)),
      m_anchor(section == HelpSection::Input ? QString() : HelpSectionAnchor(section)) {
  setWindowTitle(QString::fromUtf8("帮助"));
  setModal(true);
  resize(620, 560);
  m_browser->setObjectName(QStringLiteral("helpText"));
  m_browser->setOpenLinks(false);
  m_browser->setHtml(HelpHtml());
  auto* close = new QPushButton(QString::fromUtf8("关闭"), this);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_browser);
  layout->addLayout(buttons);
}

void HelpWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Only a laid-out document knows where its anchors are.
  if (!m_anchor.isEmpty()) m_browser->scrollToAnchor(std::exchange(m_anchor, QString()));
}

}  // namespace tabulex
