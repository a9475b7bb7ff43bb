#include "window/close_request.h"

namespace tabulex {
namespace {

// Keeping the program running in the background, with or without a tray to come back from.
CloseOutcome KeepRunning(TrayPresence tray) {
  return CloseOutcome{CloseVerdict::Refuse, tray == TrayPresence::Available};
}

}  // namespace

CloseRequestStart StartCloseRequest(const CloseRequest& request) {
  CloseRequestStart start;
  if (request.sessionEnding) {
    start.outcome.verdict = CloseVerdict::Allow;
    return start;
  }
  start.minimise = true;
  switch (request.closeAction) {
    case 0:
      start.askExitConfirm = true;
      break;
    case 1:
      start.outcome.verdict = CloseVerdict::Allow;
      break;
    case 2:
      start.outcome = KeepRunning(request.tray);
      break;
    default:
      start.outcome.verdict = CloseVerdict::Refuse;
      break;
  }
  return start;
}

CloseOutcome AnswerExitConfirm(const ExitDialogAnswer& answer, TrayPresence tray,
                               CalcSettings& settings) {
  switch (answer.button) {
    case ExitDialogButton::ExitDirectly:
      if (answer.dontRemindAgain) settings.closeAction = 1;
      return CloseOutcome{CloseVerdict::Allow, false};
    case ExitDialogButton::ToTray:
      if (answer.dontRemindAgain) settings.closeAction = 2;
      return KeepRunning(tray);
    case ExitDialogButton::Dismissed:
      break;
  }
  return CloseOutcome{CloseVerdict::Refuse, false};
}

CloseVerdict RunCloseRequest(const CloseRequest& request, WindowFramePort& window,
                             const std::function<ExitDialogAnswer()>& askExitConfirm,
                             CalcSettings& settings) {
  const CloseRequestStart start = StartCloseRequest(request);
  if (start.minimise) window.Minimise();
  CloseOutcome outcome = start.outcome;
  if (start.askExitConfirm) outcome = AnswerExitConfirm(askExitConfirm(), request.tray, settings);
  if (outcome.hide) window.HideWindow();
  return outcome.verdict;
}

}  // namespace tabulex
