// Status-bar texts of the calculation: two spaces, "[" kind "]", "_" and the message, in GBK.
// Message texts are written here in UTF-8 and converted once per use; they are only built on
// the way out of a failed or finished run.
#pragma once

#include <string>
#include <string_view>

#include "engine/outcome.h"

namespace tabulex {

enum class StatusKind {
  ExpressionError,    // 表达式错误: the text cannot be read as an expression
  CalculationError,   // 运算错误: an operator or function failed
  Hint,               // 提示
  ConversionRefused,  // 分数转换不能完成请求
  Finished,           // 运算完成
};

// The GBK status text for a kind and a UTF-8 message.
std::string StatusMessage(StatusKind kind, std::string_view utf8Message);

// Shorthands for the two error kinds, as failures.
Failure ExpressionError(std::string_view utf8Message);
Failure CalculationError(std::string_view utf8Message);

}  // namespace tabulex
