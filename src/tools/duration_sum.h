// The duration box of the time calculation tab: lines of durations and their total. Texts are
// GBK.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/outcome.h"

namespace tabulex {

// The total of the lines of gbk in seconds. A line is "h:mm:ss" or "h:mm" with an optional
// sign in front ("-0:45" is minus 45 minutes); the hours have any number of digits, minutes
// and seconds one or two and 0 to 59. Full-width digits and colons are read as ASCII, spaces
// around a line are ignored and so are empty lines. A line that is none of these is an error
// naming its number: "第2行格式错误：应为 h:mm:ss 或 h:mm".
Outcome<std::int64_t> SumDurations(std::string_view gbk);

// "h:mm:ss", with "-" in front of a negative total: "0:45:20", "-1:02:00", "26:00:00".
std::string DurationText(std::int64_t seconds);

}  // namespace tabulex
