#include "cli/calc_command.h"

#include "cli/cli_options.h"
#include "engine/calculate_current_line.h"
#include "engine/gbk_text.h"
#include "engine/text_buffer.h"

namespace tabulex {
namespace {

constexpr const char* kHelp =
    "Usage: tabulex-calc -e EXPR [--set FIELD=VALUE]...\n"
    "Calculates EXPR the way Tabulex calculates a line and prints the result.\n"
    "\n"
    "  -e, --expression EXPR  the expression (UTF-8), calculated as the only line of a text\n"
    "                         with the caret at its end\n"
    "      --set FIELD=VALUE  sets a calculation setting before calculating, for example\n"
    "                         fractionDisplay=1, thousandsSeparator=2, precisionDigits=2,\n"
    "                         decimalRounding=false, angleUnit=2, spaceSeparates=true;\n"
    "                         booleans take true, false, 1, 0, 真 or 假\n"
    "  -h, --help             shows this help and exits\n"
    "      --version          shows the version and exits\n"
    "\n"
    "The result (without \"=\") goes to standard output. When there is no result, the status\n"
    "message goes to standard error, as the status bar would show it.\n"
    "\n"
    "Exit status: 0 a result was printed, 1 no result, 2 usage error.\n";

class LastStatus final : public StatusSink {
 public:
  void ShowStatus(std::string_view gbkText) override { m_text.assign(gbkText); }
  const std::string& text() const { return m_text; }

 private:
  std::string m_text;
};

class NoClipboard final : public Clipboard {
 public:
  void SetText(std::string_view) override {}
};

// A lone LF in the argument still ends a line: the editor's lines end with CR LF.
std::string WithCrLf(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

}  // namespace

int RunCalcCommand(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
  const CliParse parse = ParseCliOptions(arguments);
  if (!parse.options) {
    err << "tabulex-calc: " << parse.error << "\n"
        << "Try 'tabulex-calc --help' for more information.\n";
    return 2;
  }
  const CliOptions& options = *parse.options;
  if (options.mode == CliOptions::Mode::Help) {
    out << kHelp;
    return 0;
  }
  if (options.mode == CliOptions::Mode::Version) {
    out << "tabulex-calc (Tabulex) 6.2.3\n";
    return 0;
  }

  TextBuffer buffer(WithCrLf(Utf8ToGbk(options.expression)));
  buffer.SetCaret(buffer.Length());
  CalculationState state;
  LastStatus status;
  NoClipboard clipboard;
  SteadyTickSource ticks;
  CalculateCurrentLine(CalcContext{buffer, options.settings, state, status, clipboard, ticks});

  if (state.resultWritten) {
    out << GbkToUtf8(state.lastResult) << "\n";
    return 0;
  }
  if (!status.text().empty()) err << GbkToUtf8(status.text()) << "\n";
  return 1;
}

}  // namespace tabulex
