#include "engine/status_message.h"

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

std::string_view KindText(StatusKind kind) {
  switch (kind) {
    case StatusKind::ExpressionError:
      return "表达式错误";
    case StatusKind::CalculationError:
      return "运算错误";
    case StatusKind::Hint:
      return "提示";
    case StatusKind::ConversionRefused:
      return "分数转换不能完成请求";
    case StatusKind::Finished:
      return "运算完成";
  }
  return "";
}

}  // namespace

std::string StatusMessage(StatusKind kind, std::string_view utf8Message) {
  std::string utf8 = "  [";
  utf8 += KindText(kind);
  utf8 += "]_";
  utf8 += utf8Message;
  return Utf8ToGbk(utf8);
}

Failure ExpressionError(std::string_view utf8Message) {
  return Failure{StatusMessage(StatusKind::ExpressionError, utf8Message)};
}

Failure CalculationError(std::string_view utf8Message) {
  return Failure{StatusMessage(StatusKind::CalculationError, utf8Message)};
}

}  // namespace tabulex
