#include "window/close_request.h"

#include <gtest/gtest.h>

#include <ostream>

#include "window/recording_window.h"

namespace tabulex {

static void PrintTo(const CloseOutcome& o, std::ostream* out) {
  *out << (o.verdict == CloseVerdict::Allow ? "allow" : "refuse") << (o.hide ? ", hide" : "");
}

namespace {

constexpr auto kAllow = CloseVerdict::Allow;
constexpr auto kRefuse = CloseVerdict::Refuse;
constexpr auto kTray = TrayPresence::Available;
constexpr auto kNoTray = TrayPresence::Missing;

TEST(CloseRequest, SessionEndingAllowsAtOnceElseCloseActionDecidesAfterMinimising) {
  const struct {
    const char* name;
    CloseRequest request;
    bool minimise;
    bool ask;
    CloseOutcome outcome;
  } rows[] = {
      {"session ending, ask", {true, 0, kTray}, false, false, {kAllow, false}},
      {"session ending, background", {true, 2, kTray}, false, false, {kAllow, false}},
      {"session ending, unknown action", {true, 7, kTray}, false, false, {kAllow, false}},
      {"0 asks", {false, 0, kTray}, true, true, {}},
      {"1 exits", {false, 1, kTray}, true, false, {kAllow, false}},
      {"2 hides and refuses", {false, 2, kTray}, true, false, {kRefuse, true}},
      {"2 without a tray stays minimised", {false, 2, kNoTray}, true, false, {kRefuse, false}},
      {"3 only minimises", {false, 3, kTray}, true, false, {kRefuse, false}},
      {"-1 only minimises", {false, -1, kTray}, true, false, {kRefuse, false}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const CloseRequestStart start = StartCloseRequest(row.request);
    EXPECT_EQ(start.minimise, row.minimise);
    EXPECT_EQ(start.askExitConfirm, row.ask);
    if (!row.ask) {
      EXPECT_EQ(start.outcome, row.outcome);
    }
  }
}

TEST(CloseRequest, ExitDialogButtonsAndTheDontRemindBox) {
  using B = ExitDialogButton;
  const struct {
    const char* name;
    ExitDialogAnswer answer;
    TrayPresence tray;
    CloseOutcome outcome;
    std::int32_t closeAction;
  } rows[] = {
      {"exit", {B::ExitDirectly, false}, kTray, {kAllow, false}, 0},
      {"exit, don't remind", {B::ExitDirectly, true}, kTray, {kAllow, false}, 1},
      {"to tray", {B::ToTray, false}, kTray, {kRefuse, true}, 0},
      {"to tray, don't remind", {B::ToTray, true}, kTray, {kRefuse, true}, 2},
      {"to tray without a tray", {B::ToTray, true}, kNoTray, {kRefuse, false}, 2},
      {"dismissed: stays minimised", {B::Dismissed, false}, kTray, {kRefuse, false}, 0},
      {"dismissed with the box ticked", {B::Dismissed, true}, kTray, {kRefuse, false}, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    CalcSettings settings;
    EXPECT_EQ(AnswerExitConfirm(row.answer, row.tray, settings), row.outcome);
    EXPECT_EQ(settings.closeAction, row.closeAction);
  }
}

TEST(CloseRequest, ToTrayWithDontRemindMakesTheNextCloseHideWithoutAsking) {
  CalcSettings settings;
  const CloseRequestStart first = StartCloseRequest({.closeAction = settings.closeAction});
  ASSERT_TRUE(first.askExitConfirm);
  const CloseOutcome answered =
      AnswerExitConfirm({ExitDialogButton::ToTray, true}, kTray, settings);
  EXPECT_EQ(answered, (CloseOutcome{kRefuse, true}));

  const CloseRequestStart next = StartCloseRequest({.closeAction = settings.closeAction});
  EXPECT_TRUE(next.minimise);
  EXPECT_FALSE(next.askExitConfirm);
  EXPECT_EQ(next.outcome, (CloseOutcome{kRefuse, true}));
}

// The whole request on the window: the steps come in their order, the dialog only when asked
// for, and the window hides only where the answer says so.
TEST(CloseRequest, RunOnTheWindowMinimisesAsksAndHidesInThatOrder) {
  using Answer = ExitDialogAnswer;
  const struct {
    const char* name;
    CloseRequest request;
    Answer answer;
    const char* calls;
    CloseVerdict verdict;
  } rows[] = {
      {"session ending", {true, 0, kTray}, {}, "", kAllow},
      {"ask, exit directly",
       {false, 0, kTray},
       {ExitDialogButton::ExitDirectly},
       "minimise, ask",
       kAllow},
      {"ask, to tray",
       {false, 0, kTray},
       {ExitDialogButton::ToTray},
       "minimise, ask, hide",
       kRefuse},
      {"ask, to tray without a tray",
       {false, 0, kNoTray},
       {ExitDialogButton::ToTray},
       "minimise, ask",
       kRefuse},
      {"ask, dismissed", {false, 0, kTray}, {}, "minimise, ask", kRefuse},
      {"exit", {false, 1, kTray}, {}, "minimise", kAllow},
      {"background", {false, 2, kTray}, {}, "minimise, hide", kRefuse},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingWindow window;
    CalcSettings settings;
    const auto ask = [&] {
      window.calls += window.calls.empty() ? "ask" : ", ask";
      return row.answer;
    };
    EXPECT_EQ(RunCloseRequest(row.request, window, ask, settings), row.verdict);
    EXPECT_EQ(window.calls, row.calls);
  }
}

}  // namespace
}  // namespace tabulex
