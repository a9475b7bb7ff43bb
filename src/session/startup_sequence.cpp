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

StartupOutcome RunStartupSequence(const SettingsStore& store, MainWindowPort& window,
                                  CalcSettings& settings) {
  // The window's place and state.
  LoadWindowState(store, settings);
  LoadWindowBounds(store, settings);
  const WindowBounds stored{settings.windowLeft, settings.windowTop, settings.windowWidth,
                            settings.windowHeight};
  window.ApplyBounds(stored);
  window.SetMaximised(settings.windowState == 3);
  // The stored values, not what the window made of them: a toolkit's minimum size must not
  // hide a height of 79.
  const PlacementCheckResult placement = CheckPlacement(window.PrimaryScreen(), stored);
  if (placement.reset) {
    window.ApplyBounds(placement.bounds);
    window.SetMaximised(false);
  }

  // A second instance wakes the first and goes no further.
  LoadAllowMultipleInstances(store, settings);
  if (!settings.allowMultipleInstances && !window.RunSingleInstanceStep()) {
    return StartupOutcome::SecondInstance;
  }

  // Appearance and tray.
  LoadSkinNumber(store, settings);
  window.ApplySkin(settings.skinNumber);
  window.FocusEditor();
  LoadBackgroundColor(store, settings);
  window.SetEditorBackgroundColor(settings.backgroundColor);
  LoadSkinSliderAndEffects(store, settings);
  window.ApplySkin(settings.skinNumber);
  window.ApplySkinTransparency(settings.skinSlider);
  window.ApplySkinEffects(settings.skinEffects);
  window.AddTrayIcon();

  // The editor's font, every other setting, word wrap.
  window.ApplyEditorFont(LoadEditorProperties(store));
  const bool wordWrap = LoadRunSettings(store, settings);
  window.SetWordWrap(wordWrap);

  // Hotkey, hooks, drop target, always on top.
  if (settings.hotkeyEnabled) {
    window.RegisterShowHideHotkey(settings.hotkeyModifier, settings.hotkeyKey);
  } else {
    window.UnregisterShowHideHotkey();
  }
  window.InstallSessionEndWatch();
  window.InstallEditorKeyUpHook();
  window.RegisterDropTarget();
  window.SetAlwaysOnTop(settings.alwaysOnTop);

  // The text.
  window.RestoreContentBackup();
  window.RecordInitialUndoSnapshot();
  window.ShowCaretPosition();

  // What shutdown writes unless the user moves or resizes the window.
  const WindowBounds bounds = window.Bounds();
  settings.windowWidth = bounds.width;
  settings.windowHeight = bounds.height;
  settings.windowLeft = bounds.left;
  settings.windowTop = bounds.top;

  // Edge timer, first status text, back from a screen edge.
  window.SetEdgeTimerInterval(settings.edgeHiding ? kEdgeTimerMilliseconds : 0);
  window.ShowStatus(Utf8ToGbk(kReadyText));
  window.PullBackOnScreen();
  window.SetEdgeGraceTicks(kEdgeGraceTicks);
  return StartupOutcome::Started;
}

}  // namespace tabulex
