#include "session/reset_settings.h"

#include "settings/settings_writer.h"

namespace tabulex {
namespace {

constexpr WindowBounds kResetBounds{150, 150, 800, 400};
constexpr std::int32_t kResetSkin = 8;
constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kEdgeGraceTicks = 30;

}  // namespace

void ResetSettings(CalcSettings& settings, const RunFilesPaths& paths,
                   const MainWindowPorts& window) {
  // EditorProperties starts at the font keys' defaults: Times New Roman, 14 points, black.
  window.look.ApplyEditorFont(EditorProperties{});
  window.frame.ApplyBounds(kResetBounds);

  settings.closeAction = 0;
  settings.skinNumber = kResetSkin;
  settings.skinSlider = 100;
  settings.undoLimit = 50;
  settings.runCount = 1;
  settings.precisionDigits = 13;
  settings.roundHalfUpFlag = false;
  settings.laptopMode = false;
  settings.newLinePasteResult = false;
  settings.alwaysOnTop = false;
  settings.resultToClipboard = false;
  settings.newLineAfterCalc = false;
  settings.angleUnit = 1;
  settings.enterInsertsNewLine = false;
  settings.keepContent = false;
  window.document.SetUndoLimit(settings.undoLimit);

  window.look.ApplyEffects(false);
  window.look.ApplyTransparency(0);
  window.look.ApplySkin(kResetSkin);
  settings.skinSlider = 100;
  settings.skinEffects = false;

  window.look.SetEditorBackgroundColor(kWhite);
  DeleteSettingsFiles(paths);
  window.edge.SetEdgeGraceTicks(kEdgeGraceTicks);
}

}  // namespace tabulex
