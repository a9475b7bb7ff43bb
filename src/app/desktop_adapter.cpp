#include "app/desktop_adapter.h"

#include <QApplication>
#include <QEvent>
#include <QSessionManager>

#include "window/qt/global_hotkey.h"
#include "window/qt/single_instance.h"
#include "window/qt/tray_icon.h"

namespace tabulex {

DesktopAdapter::DesktopAdapter(SingleInstance& instance, TrayIcon& tray, GlobalHotkey& hotkey,
                               SessionEndCalls calls, QObject* parent)
    : QObject(parent),
      m_instance{instance},
      m_tray{tray},
      m_hotkey{hotkey},
      m_calls{std::move(calls)} {}

void DesktopAdapter::ShowTrayIcon() {
  if (m_trayWanted) m_tray.Add();
}

bool DesktopAdapter::RunSingleInstanceStep() {
  return m_instance.RunStep(m_fileToOpen) == SingleInstanceResult::Continue;
}

void DesktopAdapter::RemoveTrayIcon() {
  m_tray.Remove();
}

void DesktopAdapter::RegisterShowHideHotkey(std::int32_t modifierCode, std::int32_t keyCode) {
  m_hotkey.Register(modifierCode, keyCode);
}

void DesktopAdapter::UnregisterShowHideHotkey() {
  m_hotkey.Unregister();
}

void DesktopAdapter::InstallSessionEndWatch() {
  // A logout first asks for the data (it may still be cancelled): save it all, and go on.
  connect(qApp, &QGuiApplication::commitDataRequest, this,
          [this](QSessionManager&) { m_calls.saveForSessionEnd(); });
  // The session manager then ends the program by asking the application to quit: that close
  // is the session ending, which neither asks nor keeps running in the tray.
  qApp->installEventFilter(this);
}

bool DesktopAdapter::eventFilter(QObject* watched, QEvent* event) {
  if (watched == qApp && event->type() == QEvent::Quit) m_calls.sessionEnding();
  return QObject::eventFilter(watched, event);
}

}  // namespace tabulex
