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

// "  [kind]_" in GBK, made once: a message is shown after every calculation.
const std::string& Prefix(StatusKind kind) {
  static const std::string prefixes[] = {
      Utf8ToGbk("  [" + std::string(KindText(StatusKind::ExpressionError)) + "]_"),
      Utf8ToGbk("  [" + std::string(KindText(StatusKind::CalculationError)) + "]_"),
      Utf8ToGbk("  [" + std::string(KindText(StatusKind::Hint)) + "]_"),
      Utf8ToGbk("  [" + std::string(KindText(StatusKind::ConversionRefused)) + "]_"),
      Utf8ToGbk("  [" + std::string(KindText(StatusKind::Finished)) + "]_"),
  };
  return prefixes[static_cast<int>(kind)];
}

}  // namespace

std::string StatusMessage(StatusKind kind, std::string_view utf8Message) {
  return Prefix(kind) + Utf8ToGbk(utf8Message);
}

Failure ExpressionError(std::string_view utf8Message) {
  return Failure{StatusMessage(StatusKind::ExpressionError, utf8Message)};
}

Failure CalculationError(std::string_view utf8Message) {
  return Failure{StatusMessage(StatusKind::CalculationError, utf8Message)};
}

}  // namespace tabulex
