// TrayIcon: the main window's icon in the notification area, with the tooltip "Tabulex" and
// the tray menu "托盘菜单" ("打开科学计算器", "退出"). It reports clicks as tray event kinds
// and the menu's choices as signals; what they do to the window is the main window's
// business. The menu is handed to the tray, which opens it on a right click itself.
#pragma once

#include <QObject>
#include <QSystemTrayIcon>

#include <cstdint>
#include <memory>

#include "window/close_request.h"

class QAction;
class QMenu;

namespace tabulex {

class TrayIcon final : public QObject {
  Q_OBJECT

 public:
  explicit TrayIcon(QObject* parent = nullptr);
  ~TrayIcon() override;

  // AddTrayIcon: shows the icon; when it is shown already, sets its icon and tooltip again.
  void Add();
  // RemoveTrayIcon.
  void Remove();

  // Available when the icon is shown and a tray is there to show it: only then can a hidden
  // main window be brought back through it. Asked afresh each time (a panel may come and go).
  TrayPresence Presence() const;

  // The tray event kind of a click: 1 left click, 2 double click, 3 context menu, 0 other.
  static std::int32_t TrayEventKind(QSystemTrayIcon::ActivationReason reason);

  QSystemTrayIcon& icon() { return *m_icon; }
  QMenu& menu() { return *m_menu; }

 signals:
  // A click on the icon, as a tray event kind 1 to 3.
  void trayEvent(std::int32_t kind);
  void openCalculatorChosen();  // "打开科学计算器"
  void exitChosen();            // "退出"

 private:
  // Declared before the icon, so that the icon, which refers to the menu, goes first.
  std::unique_ptr<QMenu> m_menu;
  std::unique_ptr<QSystemTrayIcon> m_icon;
};

}  // namespace tabulex
