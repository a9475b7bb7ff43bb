// DesktopAdapter: the desktop port carried out by the single-instance hand-off, the tray icon
// and the global hotkey, and the watch on the session's end. The tray icon waits until the
// window is shown (ShowTrayIcon): the first frame does not wait for the tray.
#pragma once

#include <QObject>

#include <filesystem>
#include <functional>

#include "session/desktop_port.h"

namespace tabulex {

class GlobalHotkey;
class SingleInstance;
class TrayIcon;

class DesktopAdapter final : public QObject, public DesktopPort {
  Q_OBJECT

 public:
  // What the session's end asks of the window: save everything now (a logout may still be
  // cancelled), and the end itself (the application is told to quit).
  struct SessionEndCalls {
    std::function<void()> saveForSessionEnd;
    std::function<void()> sessionEnding;
  };

  DesktopAdapter(SingleInstance& instance, TrayIcon& tray, GlobalHotkey& hotkey,
                 SessionEndCalls calls, QObject* parent);

  // The file the program was started with, handed to a running instance by the
  // single-instance step, or taken once this one is shown.
  void SetFileToOpen(std::filesystem::path path) { m_fileToOpen = std::move(path); }
  std::filesystem::path TakeFileToOpen() { return std::exchange(m_fileToOpen, {}); }
  // Once the window is shown: the tray icon the start-up asked for.
  void ShowTrayIcon();

  bool RunSingleInstanceStep() override;
  void AddTrayIcon() override { m_trayWanted = true; }
  void RemoveTrayIcon() override;
  void RegisterShowHideHotkey(std::int32_t modifierCode, std::int32_t keyCode) override;
  void UnregisterShowHideHotkey() override;
  void InstallSessionEndWatch() override;
  void InstallEditorKeyUpHook() override {}  // the editor reports key releases itself
  void RegisterDropTarget() override {}      // the main window takes drops from its creation

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  SingleInstance& m_instance;
  TrayIcon& m_tray;
  GlobalHotkey& m_hotkey;
  SessionEndCalls m_calls;
  std::filesystem::path m_fileToOpen;
  bool m_trayWanted{false};
};

}  // namespace tabulex
