#include "window/tray_event.h"

#include <gtest/gtest.h>

#include "window/recording_window.h"

namespace tabulex {
namespace {

TEST(TrayEvent, LeftClicksBringTheWindowBackTheContextKindLeavesItToTheMenu) {
  const struct {
    std::int32_t kind;
    TrayResponse response;
    const char* calls;
  } rows[] = {
      {1, TrayResponse::RestoreWindow, kShowInFront},
      {2, TrayResponse::RestoreWindow, kShowInFront},
      {3, TrayResponse::OpenMenu, ""},
      {0, TrayResponse::Nothing, ""},
      {4, TrayResponse::Nothing, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.kind);
    EXPECT_EQ(TrayEventResponse(row.kind), row.response);
    RecordingWindow window(false, {200, 150, 400, 300});
    TrayEvent(row.kind, window, window, false);
    EXPECT_EQ(window.calls, row.calls);
  }
}

}  // namespace
}  // namespace tabulex
