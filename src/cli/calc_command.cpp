#include "cli/calc_command.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>

#include "base/atomic_file_writer.h"
#include "base/file_io.h"
#include "cli/cli_options.h"
#include "cli/date_command.h"
#include "cli/terminal_session.h"
#include "cli/text_stream.h"
#include "cli/unit_command.h"
#include "engine/batch_calculation.h"
#include "engine/calculate_current_line.h"
#include "engine/gbk_text.h"
#include "engine/text_buffer.h"
#include "engine/text_file_format.h"
#include "settings/config_file.h"
#include "settings/settings_fields.h"
#include "settings/settings_loader.h"
#include "version/version.h"

namespace tabulex {
namespace {

constexpr const char* kHelp =
    "Usage: tabulex-calc [OPTION]... [FILE|-]\n"
    "       tabulex-calc -e EXPR [--set FIELD=VALUE]...\n"
    "       tabulex-calc --convert VALUE FROM TO\n"
    "       tabulex-calc --days DATE1 DATE2\n"
    "       tabulex-calc --date DATE\n"
    "Calculates a text the way Tabulex's batch calculation does: every line (or, with\n"
    "spaceSeparates, every space-separated expression) gets \"=\" and its result. The text\n"
    "comes from FILE or standard input and goes to standard output.\n"
    "\n"
    "  -e, --expression EXPR  calculate EXPR (UTF-8) as the only line of a text, caret at its\n"
    "                         end, and print the result alone\n"
    "      --convert VALUE FROM TO\n"
    "                         print VALUE (a decimal number) in the unit FROM converted to\n"
    "                         the unit TO, as the tool window's 单位转换 does; units by\n"
    "                         Chinese name or symbol: m 千米 里 尺 亩 L kg 斤 两 lb °C °F\n"
    "                         km/h min KiB atm kWh hp rad ...; \"度\" is the angle or the\n"
    "                         energy, whichever the other unit is\n"
    "  -i, --in-place         rewrite FILE with the calculated text instead of printing it\n"
    "      --encoding ENC     read the text as gbk or utf-8 (default: utf-8 when the text is\n"
    "                         valid UTF-8, else gbk); the output keeps the input's encoding\n"
    "                         and line ends\n"
    "      --status           write every status message to standard error\n"
    "      --days DATE1 DATE2 print DATE2 - DATE1 in days\n"
    "      --date DATE        print DATE with its weekday and lunar date, and the solar term\n"
    "                         on the day of one; a DATE is 2024-02-10, 2024/2/10 or\n"
    "                         2024年2月10日\n"
    "      --config FILE      take the settings from a Tabulex configuration file (default:\n"
    "                         the built-in defaults)\n"
    "      --set FIELD=VALUE  set a calculation setting, after --config; for example\n"
    "                         fractionDisplay=1, thousandsSeparator=2, precisionDigits=2,\n"
    "                         decimalRounding=false, angleUnit=2, spaceSeparates=true;\n"
    "                         booleans take true, false, 1, 0, 真 or 假\n"
    "      --list-fields      print the FIELD names --set takes, one a line, and exit\n"
    "      --list-units       print the unit names --convert takes, one a line, and exit\n"
    "  -h, --help             show this help and exit\n"
    "      --version          show the version and exit\n"
    "\n"
    "Characters that GBK cannot hold become \"?\", as they do in the editor.\n"
    "\n"
    "With -e, the result (without \"=\") goes to standard output; when there is no result,\n"
    "the status message goes to standard error, as the status bar would show it.\n"
    "\n"
    "Exit status: 0 done (with -e: a result was printed), 1 no result for -e, 2 a usage\n"
    "error, a file that cannot be read or written, a --convert that cannot be done (an\n"
    "unknown unit, units of different categories, a value that is not a number), or a date\n"
    "that does not exist.\n";

class LastStatus final : public StatusSink {
 public:
  void ShowStatus(std::string_view gbkText) override { m_text.assign(gbkText); }
  const std::string& text() const { return m_text; }

 private:
  std::string m_text;
};

// Every status message on standard error, for --status.
class StatusLines final : public StatusSink {
 public:
  explicit StatusLines(std::ostream& err) : m_err(err) {}
  void ShowStatus(std::string_view gbkText) override { m_err << GbkToUtf8(gbkText) << "\n"; }

 private:
  std::ostream& m_err;
};

class NoStatus final : public StatusSink {
 public:
  void ShowStatus(std::string_view) override {}
};

class NoClipboard final : public Clipboard {
 public:
  void SetText(std::string_view) override {}
};

int Failed(std::ostream& err, const std::string& message) {
  err << "tabulex-calc: " << message << "\n";
  return 2;
}

std::optional<std::string> BuildSettings(const CliOptions& options, CalcSettings& settings) {
  if (options.configPath) {
    // A configuration file that cannot be read is an error here, not a set of defaults.
    std::string bytes;
    if (auto error = ReadFile(*options.configPath, bytes)) {
      return "cannot read '" + *options.configPath + "': " + *error;
    }
    LoadSettings(ConfigFile(*options.configPath), settings);
  }
  for (const auto& [field, value] : options.assignments) {
    if (auto error = SetSettingField(settings, field, value)) return error;
  }
  return std::nullopt;
}

// Whether path can be opened for reading as a text: a missing file, a directory and no
// permission are told apart.
std::optional<std::string> CheckReadable(const std::string& path) {
  const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.IsOpen()) return std::strerror(errno);
  struct stat status {};
  if (::fstat(fd.Get(), &status) == 0 && S_ISDIR(status.st_mode)) return std::strerror(EISDIR);
  return std::nullopt;
}

// A lone LF in the argument still ends a line: the editor's lines end with CR LF.
std::string WithCrLf(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

int CalculateExpression(const CliOptions& options, const CalcSettings& settings, std::ostream& out,
                        std::ostream& err) {
  TextBuffer buffer(WithCrLf(Utf8ToGbk(options.expression)));
  buffer.SetCaret(buffer.Length());
  CalculationState state;
  state.keepsAccumulator = false;
  LastStatus status;
  NoClipboard clipboard;
  SteadyTickSource ticks;
  CalculateCurrentLine(CalcContext{buffer, settings, state, status, clipboard, ticks});
  if (state.resultWritten) {
    out << GbkToUtf8(state.lastResult) << "\n";
    return 0;
  }
  if (!status.text().empty()) err << GbkToUtf8(status.text()) << "\n";
  return 1;
}

// The text as a stream: every line is written out as soon as the batch is done with it, so
// a text of any length (or one that never ends) goes through in flat memory. With -i the text
// goes to a temporary file that replaces FILE only when all of it is written.
int CalculateText(const CliOptions& options, const CalcSettings& settings, std::istream& in,
                  std::ostream& out, std::ostream& err) {
  const bool fromFile = options.inputPath && *options.inputPath != "-";
  std::ifstream file;
  if (fromFile) {
    if (auto error = CheckReadable(*options.inputPath)) {
      return Failed(err, "cannot read '" + *options.inputPath + "': " + *error);
    }
    file.open(*options.inputPath, std::ios::binary);
  }
  std::istream& input = fromFile ? static_cast<std::istream&>(file) : in;

  std::optional<FileEncoding> encoding;
  if (options.encoding == TextEncoding::Gbk) encoding = FileEncoding::Gbk;
  if (options.encoding == TextEncoding::Utf8) encoding = FileEncoding::Utf8;

  FileInDirectory target;
  std::optional<AtomicFileWriter> inPlace;
  if (options.inPlace) {
    if (auto error = OpenFileInDirectory(*options.inputPath, target)) {
      return Failed(err, "cannot write '" + *options.inputPath + "': " + *error);
    }
    inPlace.emplace(target.directory.Get(), target.name, target.exists ? &target.status : nullptr);
  }
  const auto write = [&](std::string_view bytes) {
    if (inPlace) return inPlace->Write(bytes);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
  };

  TextBuffer buffer;
  CalculationState state;
  state.keepsAccumulator = false;
  StatusLines statusLines(err);
  NoStatus noStatus;
  NoClipboard clipboard;
  SteadyTickSource ticks;
  StatusSink& status = options.showStatus ? static_cast<StatusSink&>(statusLines) : noStatus;
  TextStream stream(input, write, encoding);
  BatchCalculate(CalcContext{buffer, settings, state, status, clipboard, ticks}, stream);

  if (inPlace) {
    if (stream.OutputFailed() || !inPlace->Commit()) {
      return Failed(err, "cannot write '" + *options.inputPath + "': " + std::strerror(errno));
    }
    return 0;
  }
  // A reader that went away (a closed pipe) is no error: it has what it wanted.
  if (!stream.OutputFailed()) out.flush();
  return 0;
}

}  // namespace

int RunCalcCommand(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                   std::ostream& err, InputKind input) {
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
    out << "tabulex-calc (Tabulex) " << kVersion << "\n";
    return 0;
  }
  if (options.mode == CliOptions::Mode::Convert) {
    return RunUnitConversion(options.conversion, out, err);
  }
  if (options.mode == CliOptions::Mode::ListUnits) return ListUnitNames(out);
  if (options.mode == CliOptions::Mode::ListFields) {
    for (const std::string& name : SettingFieldNames()) out << name << "\n";
    return 0;
  }
  if (options.mode == CliOptions::Mode::Days || options.mode == CliOptions::Mode::Date) {
    return RunDateCommand(options, out, err);
  }
  CalcSettings settings;
  if (auto error = BuildSettings(options, settings)) return Failed(err, *error);
  if (options.mode == CliOptions::Mode::Expression) {
    return CalculateExpression(options, settings, out, err);
  }
  const bool fromFile = options.inputPath && *options.inputPath != "-";
  if (input == InputKind::Terminal && !fromFile) {
    return RunTerminalSession(settings, options.showStatus, out, err);
  }
  return CalculateText(options, settings, in, out, err);
}

}  // namespace tabulex
