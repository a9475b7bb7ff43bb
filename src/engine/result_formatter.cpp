#include "engine/result_formatter.h"

#include <cmath>

#include "engine/decimal_format.h"
#include "engine/decimal_to_fraction.h"
#include "engine/function_library.h"
#include "engine/gbk_chars.h"
#include "engine/number_text.h"

namespace tabulex {
namespace {

bool IsBareNumber(const ResultRequest& request) {
  const std::string_view e = request.expressionText;
  return request.conversionStep == 0 && e.size() == request.operand.size() + 1 &&
         e.starts_with(request.operand) && e.back() == ' ';
}

std::string ShownText(const ResultRequest& request, const CalcSettings& settings) {
  std::string s = NumberToText(TextToNumber(request.operand));
  const double value = TextToNumber(s);
  // A value that is not finite is shown as it stands, never rounded, padded or grouped.
  if (!std::isfinite(value)) return s;

  int form = request.fractionDisplay;
  if (form == 2 && IntegerPart(std::fabs(value)) < 1) form = 0;

  if (const std::size_t e = s.find("e+"); e != std::string::npos) {
    return s.replace(e, 2, std::string(gbk::kTimes) + "10^");
  }
  if (const std::size_t e = s.find("e-"); e != std::string::npos) {
    return s.replace(e, 2, std::string(gbk::kTimes) + "10^-");
  }
  if (s.find('.') == std::string::npos || form == 0 || request.style == OperandStyle::Plain) {
    return FormatDecimalResult(s, settings);
  }
  if (request.style == OperandStyle::FractionInput && form == 1) {
    return DecimalToFractionText(s, FractionForm::Improper, settings);
  }
  if (request.style == OperandStyle::FractionInput && form == 2) {
    return DecimalToFractionText(s, FractionForm::Mixed, settings);
  }
  return s;
}

}  // namespace

FormattedResult ResultFormatter(const ResultRequest& request, const CalcSettings& settings) {
  if (IsBareNumber(request)) return FormattedResult{true, std::string(request.operand), {}};
  FormattedResult result;
  result.shown = ShownText(request, settings);
  result.written = request.endsWithEquals ? result.shown : "=" + result.shown;
  return result;
}

}  // namespace tabulex
