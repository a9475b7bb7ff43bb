#include "engine/decimal_to_fraction.h"

#include <cmath>

#include "engine/decimal_format.h"
#include "engine/fraction_search.h"
#include "engine/gbk_chars.h"
#include "engine/number_text.h"

namespace tabulex {

std::string DecimalToFractionText(std::string_view text, FractionForm form,
                                  const CalcSettings& settings) {
  const double v = TextToNumber(text);
  if (!std::isfinite(v)) return FormatDecimalResult(text, settings);
  const double a = std::fabs(v);
  const std::string sign = v < -kEngineTolerance ? "-" : "";
  const double whole = std::trunc(a);
  const double f = a - whole;
  const std::string wholeText = NumberToText(whole);
  if (wholeText.size() + sign.size() >= 9 || IsNearZero(f)) {
    return FormatDecimalResult(text, settings);
  }
  const auto found = FindFraction(f);
  if (!found) return FormatDecimalResult(text, settings);

  const auto w = static_cast<std::int64_t>(whole);
  const std::int64_t n = found->numerator;
  const std::int64_t d = found->denominator;
  const std::string separator(gbk::kFractionSeparator);
  if (form == FractionForm::Improper) {
    const std::int64_t improper = d * w + n;
    if (DecimalDigits(improper) + DecimalDigits(d) >= 9) return FormatDecimalResult(text, settings);
    return sign + std::to_string(improper) + separator + std::to_string(d);
  }
  if (DecimalDigits(w) + DecimalDigits(n) + DecimalDigits(d) >= 7) {
    return FormatDecimalResult(text, settings);
  }
  if (w == 0) return sign + std::to_string(n) + separator + std::to_string(d);
  return sign + std::to_string(w) + separator + std::to_string(n) + separator + std::to_string(d);
}

}  // namespace tabulex
