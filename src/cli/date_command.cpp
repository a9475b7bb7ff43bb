#include "cli/date_command.h"

#include <string>
#include <vector>

#include "engine/gbk_text.h"
#include "tools/civil_date.h"
#include "tools/date_report.h"

namespace tabulex {
namespace {

int Failed(std::ostream& err, const std::string& gbkMessage) {
  err << "tabulex-calc: " << GbkToUtf8(gbkMessage) << "\n";
  return 2;
}

}  // namespace

int RunDateCommand(const CliOptions& options, std::ostream& out, std::ostream& err) {
  std::vector<CivilDate> dates;
  for (const std::string& argument : options.dates) {
    const Outcome<CivilDate> date = ParseCivilDate(Utf8ToGbk(argument));
    if (!date.ok()) return Failed(err, date.message());
    dates.push_back(date.value());
  }
  if (options.mode == CliOptions::Mode::Days) {
    out << std::to_string(DaysBetween(dates[0], dates[1])) << "\n";
  } else {
    out << GbkToUtf8(DescribeDate(dates[0])) << "\n";
  }
  out.flush();
  return 0;
}

}  // namespace tabulex
