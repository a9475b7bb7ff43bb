// The main window's close request (close button, system menu, Alt+F4, Esc when allowed, the
// session ending) and the ExitConfirmDialog's answer, as values the window layer carries out.
// The tray menu's "退出" and the File menu's close destroy the window without asking here.
//
// Without a system tray, "keep running in the background" and "置托盘" leave the window
// minimised instead of hiding it, so it can never become unreachable.
#pragma once

#include <cstdint>
#include <functional>

#include "base/calc_settings.h"
#include "window/window_frame_port.h"

namespace tabulex {

enum class CloseVerdict { Allow, Refuse };

enum class TrayPresence { Available, Missing };

struct CloseRequest {
  bool sessionEnding{false};    // SessionEnding: the session is ending, or SIGTERM/SIGHUP
  std::int32_t closeAction{0};  // CalcSettings::closeAction
  TrayPresence tray{TrayPresence::Available};
};

// What is left to do once the answer is known.
struct CloseOutcome {
  CloseVerdict verdict{CloseVerdict::Refuse};
  bool hide{false};  // hide the main window; it goes on running behind its tray icon

  friend bool operator==(const CloseOutcome&, const CloseOutcome&) = default;
};

// The first half of the close request, in the order to carry it out: minimise the main
// window; then, when askExitConfirm, show the ExitConfirmDialog modally (owned by the main
// window) and pass its answer to AnswerExitConfirm; otherwise outcome is the answer.
struct CloseRequestStart {
  bool minimise{false};
  bool askExitConfirm{false};
  CloseOutcome outcome{};
};

// Session ending: allow at once, without minimising. Otherwise minimise, then by
// closeAction: 0 ask, 1 allow, 2 hide (only minimised without a tray) and refuse, any other
// value refuse.
CloseRequestStart StartCloseRequest(const CloseRequest& request);

enum class ExitDialogButton {
  ExitDirectly,  // "直接退出"
  ToTray,        // "置托盘"
  Dismissed,     // closed any other way: its own close button
};

struct ExitDialogAnswer {
  ExitDialogButton button{ExitDialogButton::Dismissed};
  bool dontRemindAgain{false};  // "不再提醒！"
};

// The dialog's answer ends the close request. "直接退出" allows; with "不再提醒！" closeAction
// becomes 1. "置托盘" hides the main window (without a tray it stays minimised) and refuses;
// with "不再提醒！" closeAction becomes 2. Dismissing the dialog refuses and changes nothing,
// so the window stays minimised. The changed closeAction is written at shutdown.
CloseOutcome AnswerExitConfirm(const ExitDialogAnswer& answer, TrayPresence tray,
                               CalcSettings& settings);

// The whole close request on the window, in its order: minimise, ask (askExitConfirm shows
// the dialog and gives its answer), hide. Allow: the window may close now.
CloseVerdict RunCloseRequest(const CloseRequest& request, WindowFramePort& window,
                             const std::function<ExitDialogAnswer()>& askExitConfirm,
                             CalcSettings& settings);

}  // namespace tabulex
