#include "cli/terminal_session.h"

#include <editline/readline.h>
#include <langinfo.h>

#include <clocale>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "engine/batch_calculation.h"
#include "engine/gbk_text.h"
#include "engine/text_buffer.h"
#include "engine/tick_source.h"

namespace tabulex {
namespace {

// The last message of a line, and every message on err when asked.
class LineStatus final : public StatusSink {
 public:
  LineStatus(bool showStatus, std::ostream& err) : m_showStatus{showStatus}, m_err{err} {}
  void ShowStatus(std::string_view gbkText) override {
    last.assign(gbkText);
    if (m_showStatus) m_err << GbkToUtf8(gbkText) << "\n" << std::flush;
  }
  std::string last;

 private:
  bool m_showStatus;
  std::ostream& m_err;
};

class NoClipboard final : public Clipboard {
 public:
  void SetText(std::string_view) override {}
};

std::filesystem::path HistoryFile() {
  const char* state = std::getenv("XDG_STATE_HOME");
  std::filesystem::path directory;
  if (state != nullptr && *state == '/') {
    directory = state;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    directory = std::filesystem::path(home) / ".local" / "state";
  } else {
    return {};
  }
  return directory / "tabulex" / "history";
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  return text.substr(start, text.find_last_not_of(" \t") - start + 1);
}

// libedit reads characters, not bytes, by the locale's character set: a terminal speaks
// UTF-8, whatever the environment says. Only the character set: numbers never follow the
// locale here.
void ReadUtf8Characters() {
  std::setlocale(LC_CTYPE, "");
  if (std::string_view(nl_langinfo(CODESET)) != "UTF-8") std::setlocale(LC_CTYPE, "C.UTF-8");
}

}  // namespace

int RunTerminalSession(const CalcSettings& settings, bool showStatus, std::ostream& out,
                       std::ostream& err) {
  ReadUtf8Characters();
  const std::filesystem::path history = HistoryFile();
  if (!history.empty()) {
    std::error_code error;
    std::filesystem::create_directories(history.parent_path(), error);
    read_history(history.c_str());
  }
  CalculationState state;
  state.keepsAccumulator = false;
  LineStatus status(showStatus, err);
  NoClipboard clipboard;
  SteadyTickSource ticks;
  for (;;) {
    const std::unique_ptr<char, decltype(&std::free)> entered(readline(""), &std::free);
    if (entered == nullptr) break;  // Ctrl+D
    const std::string_view line(entered.get());
    if (Trimmed(line) == "quit") break;
    if (!Trimmed(line).empty()) add_history(entered.get());

    const std::string gbk = Utf8ToGbk(line);
    TextBuffer buffer(gbk);
    status.last.clear();
    BatchCalculate(CalcContext{buffer, settings, state, status, clipboard, ticks});
    if (buffer.Text() != gbk) {
      out << GbkToUtf8(buffer.Text()) << "\n";
    } else if (!status.last.empty()) {
      out << GbkToUtf8(status.last) << "\n";
    }
    out << std::flush;
  }
  if (!history.empty()) write_history(history.c_str());
  return 0;
}

}  // namespace tabulex
