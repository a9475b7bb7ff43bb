#include "session/startup_sequence.h"

#include "base/placement_check.h"
#include "engine/gbk_text.h"
#include "settings/settings_loader.h"

namespace tabulex {
namespace {

constexpr std::int32_t kEdgeTimerMilliseconds = 100;
constexpr std::int32_t kEdgeGraceTicks = 25;

// One leading space, unlike a StatusMessage.
constexpr char kReadyText[] = " [提示]_初始化完毕，请输入表达式!";

}  // namespace

StartupOutcome RunStartupSequence(const SettingsStore& store, const MainWindowPorts& window,
                                  CalcSettings& settings) {
  // The window's place and state.
  LoadWindowState(store, settings);
  LoadWindowBounds(store, settings);
  const WindowBounds stored{settings.windowLeft, settings.windowTop, settings.windowWidth,
                            settings.windowHeight};
  window.frame.ApplyBounds(stored);
  window.frame.SetMaximised(settings.windowState == 3);
  // The stored values, not what the window made of them: a toolkit's minimum size must not
  // hide a height of 79.
  const PlacementCheckResult placement = CheckPlacement(window.frame.PrimaryScreen(), stored);
  if (placement.reset) {
    window.frame.ApplyBounds(placement.bounds);
    window.frame.SetMaximised(false);
  }

  // A second instance wakes the first and goes no further.
  LoadAllowMultipleInstances(store, settings);
  if (!settings.allowMultipleInstances && !window.desktop.RunSingleInstanceStep()) {
    return StartupOutcome::SecondInstance;
  }

  // Appearance and tray.
  LoadSkinNumber(store, settings);
  window.look.ApplySkin(settings.skinNumber);
  window.frame.FocusEditor();
  LoadBackgroundColor(store, settings);
  window.look.SetEditorBackgroundColor(settings.backgroundColor);
  LoadSkinSliderAndEffects(store, settings);
  window.look.ApplySkin(settings.skinNumber);
  window.look.ApplyTransparency(settings.skinSlider);
  window.look.ApplyEffects(settings.skinEffects);
  window.desktop.AddTrayIcon();

  // The editor's font, every other setting, word wrap.
  window.look.ApplyEditorFont(LoadEditorProperties(store));
  const bool wordWrap = LoadRunSettings(store, settings);
  window.look.SetWordWrap(wordWrap);

  // Hotkey, hooks, drop target, always on top.
  if (settings.hotkeyEnabled) {
    window.desktop.RegisterShowHideHotkey(settings.hotkeyModifier, settings.hotkeyKey);
  } else {
    window.desktop.UnregisterShowHideHotkey();
  }
  window.desktop.InstallSessionEndWatch();
  window.desktop.InstallEditorKeyUpHook();
  window.desktop.RegisterDropTarget();
  window.frame.SetAlwaysOnTop(settings.alwaysOnTop);

  // The text.
  window.document.RestoreContentBackup();
  window.document.RecordInitialUndoSnapshot();
  window.document.ShowCaretPosition();

  // What shutdown writes unless the user moves or resizes the window.
  const WindowBounds bounds = window.frame.Bounds();
  settings.windowWidth = bounds.width;
  settings.windowHeight = bounds.height;
  settings.windowLeft = bounds.left;
  settings.windowTop = bounds.top;

  // Edge timer, first status text, back from a screen edge.
  window.edge.SetEdgeTimerInterval(settings.edgeHiding ? kEdgeTimerMilliseconds : 0);
  window.document.ShowStatus(Utf8ToGbk(kReadyText));
  window.edge.PullBackOnScreen();
  window.edge.SetEdgeGraceTicks(kEdgeGraceTicks);
  return StartupOutcome::Started;
}

}  // namespace tabulex
