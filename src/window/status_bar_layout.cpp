#include "window/status_bar_layout.h"

#include <algorithm>

namespace tabulex {
namespace {

constexpr std::int32_t kCaretPartWidth = 200;
constexpr std::int32_t kClockPartWidth = 345;
// The message part leaves 5 pixels more than the other two parts take.
constexpr std::int32_t kOtherPartsWidth = 550;

}  // namespace

MainWindowLayout LayoutMainWindow(ClientArea client, FullScreenMode mode) {
  MainWindowLayout layout;
  const std::int32_t width = std::max(client.width, 0);
  layout.statusBar.messages =
      std::max(width - kOtherPartsWidth, std::min(width, kUsefulMessageWidth));
  // What the message part leaves: the caret position first, the clock last.
  const std::int32_t rest = width - layout.statusBar.messages;
  layout.statusBar.caretPosition = std::min(kCaretPartWidth, rest);
  layout.statusBar.clock = std::min(kClockPartWidth, rest - layout.statusBar.caretPosition);

  const std::int32_t statusBar = mode == FullScreenMode::On ? 0 : client.statusBarHeight;
  layout.editor.width = std::max(client.width, 0);
  layout.editor.height = std::max(client.height - std::max(statusBar, 0), 0);
  return layout;
}

}  // namespace tabulex
