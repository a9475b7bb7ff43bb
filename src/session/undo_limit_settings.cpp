#include "session/undo_limit_settings.h"

#include "engine/number_text.h"
#include "settings/setting_parsers.h"
#include "settings/settings_writer.h"

namespace tabulex {
namespace {

constexpr double kMaxUndoLimit = 500;

}  // namespace

std::string UndoLimitFieldText(const CalcSettings& settings) {
  return FormatSettingInt(settings.undoLimit);
}

UndoLimitOutcome ConfirmUndoLimit(std::string_view fieldText, CalcSettings& settings,
                                  SettingsStore& store, const MainWindowPorts& window) {
  if (TextToNumber(fieldText) > kMaxUndoLimit) return UndoLimitOutcome::TooLarge;
  settings.undoLimit = ParseSettingInt(fieldText);
  window.document.SetUndoLimit(settings.undoLimit);
  WriteUndoLimit(store, settings);
  return UndoLimitOutcome::Close;
}

}  // namespace tabulex
