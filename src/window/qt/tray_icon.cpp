#include "window/qt/tray_icon.h"

#include <QAction>
#include <QMenu>

#include "window/qt/app_icon.h"

namespace tabulex {

TrayIcon::TrayIcon(QObject* parent)
    : QObject(parent),
      m_menu{std::make_unique<QMenu>(QString::fromUtf8("托盘菜单"))},
      m_icon{std::make_unique<QSystemTrayIcon>()} {
  m_menu->setObjectName(QStringLiteral("托盘菜单"));
  QAction* open = m_menu->addAction(QString::fromUtf8("打开科学计算器"));
  QAction* exit = m_menu->addAction(QString::fromUtf8("退出"));
  connect(open, &QAction::triggered, this, &TrayIcon::openCalculatorChosen);
  connect(exit, &QAction::triggered, this, &TrayIcon::exitChosen);
  m_icon->setContextMenu(m_menu.get());
  connect(m_icon.get(), &QSystemTrayIcon::activated, this,
          [this](QSystemTrayIcon::ActivationReason reason) {
            if (const std::int32_t kind = TrayEventKind(reason); kind != 0) emit trayEvent(kind);
          });
}

TrayIcon::~TrayIcon() = default;

void TrayIcon::Add() {
  m_icon->setIcon(TabulexIcon());
  m_icon->setToolTip(QStringLiteral("Tabulex"));
  m_icon->show();
}

void TrayIcon::Remove() {
  m_icon->hide();
}

TrayPresence TrayIcon::Presence() const {
  return m_icon->isVisible() && QSystemTrayIcon::isSystemTrayAvailable() ? TrayPresence::Available
                                                                         : TrayPresence::Missing;
}

std::int32_t TrayIcon::TrayEventKind(QSystemTrayIcon::ActivationReason reason) {
  switch (reason) {
    case QSystemTrayIcon::Trigger:
      return 1;
    case QSystemTrayIcon::DoubleClick:
      return 2;
    case QSystemTrayIcon::Context:
      return 3;
    default:
      return 0;
  }
}

}  // namespace tabulex
