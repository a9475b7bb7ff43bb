#include "session/undo_limit_settings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/settings_dialog_recorders.h"

namespace tabulex {
namespace {

TEST(UndoLimitSettings, AcceptsUpTo500AndAppliesBeforeWriting) {
  const struct {
    const char* text;
    bool accepted;
    std::int32_t limit;
  } rows[] = {
      {"500", true, 500},
      {"70", true, 70},
      {"0", true, 0},
      {"-5", true, -5},
      {"abc", true, 0},
      {"499.9", true, 499},
      {"nan", true, 0},
      {"-1e12", true, INT32_MIN},
      // 500.5 is refused: the value is compared before it is truncated.
      {"500.5", false, 0},
      {"501", false, 0},
      {"1e3", false, 0},
      {"inf", false, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EventLog log;
    RecordingStore store(log);
    RecordingEffects effects(log);
    CalcSettings settings;
    settings.undoLimit = 70;
    const UndoLimitOutcome outcome = ConfirmUndoLimit(row.text, settings, store, effects);
    if (row.accepted) {
      EXPECT_EQ(outcome, UndoLimitOutcome::Close);
      EXPECT_EQ(settings.undoLimit, row.limit);
      const std::string limit = std::to_string(row.limit);
      EXPECT_EQ(log, (EventLog{"SetUndoLimit " + limit, "运行设置/撤销设置=" + limit}));
    } else {
      EXPECT_EQ(outcome, UndoLimitOutcome::TooLarge);
      EXPECT_EQ(settings.undoLimit, 70);
      EXPECT_TRUE(log.empty());
    }
  }
}

}  // namespace
}  // namespace tabulex
