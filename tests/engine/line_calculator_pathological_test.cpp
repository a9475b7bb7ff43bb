// Input no one types on purpose, but a paste, a file or a stuck key can bring: the line
// calculation must answer (a result or its message) without crashing or hanging.
#include <gtest/gtest.h>

#include "engine/batch_calculation.h"
#include "engine/calculate_current_line.h"
#include "engine/gbk_text.h"
#include "support/calc_harness.h"

namespace tabulex {
namespace {

using testing::CalcHarness;
using testing::Status;

std::string Repeat(std::string_view piece, std::size_t times) {
  std::string out;
  out.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) out += piece;
  return out;
}

TEST(PathologicalInput, HugeLinesEndWithAResultOrAMessage) {
  const struct {
    std::string name;
    std::string line;
    std::string status;  // the last status message; "" for the timing message
    std::string result;  // LastResult when there is one
  } rows[] = {
      {"a 1 MB number", Repeat("9", 1 << 20), Status("提示", "没有可计算的表达式,值已加入累加器！"),
       ""},
      {"a 1 MB sum", "1" + Repeat("+1", 1 << 19), "", "524289"},
      {"100,000 nested brackets", Repeat("(", 100000) + "1" + Repeat(")", 100000), "", "1"},
      {"100,000 unclosed brackets", Repeat("(", 100000) + "1",
       Status("表达式错误", "错误，公式缺少右括号！"), ""},
      {"100,000 operators", "1" + Repeat("-", 100000) + "1",
       Status("表达式错误", "请检查操作符前后是否缺少操作数！"), ""},
      {"100,000 signs", Repeat("-", 100000) + "1",
       Status("表达式错误", "请检查操作符前后是否缺少操作数！"), ""},
      {"150! repeated", "150!" + Repeat("*150!", 20000), Status("运算错误", "乘法运算错误或溢出！"),
       ""},
      {"a tower of powers", Repeat("9^", 10000) + "9", Status("运算错误", "乘方运算错误或溢出！"),
       ""},
      {"a list of 100,000 values", "max(" + Repeat("1.5,", 99999) + "2)", "", "2"},
      {"100,000 functions", Repeat("sin", 100000) + "1", "", "0"},
      {"a 100,000-digit binary literal", "0b" + Repeat("1", 100000) + "+0",
       Status("运算错误", "加法运算错误或溢出！"), ""},
      {"a 100,000-digit fraction", "1\xA8\x4E" + Repeat("3", 100000) + "+0", "", "0"},
      {"NUL bytes", std::string(4096, '\0'), Status("表达式错误", "有不可识别的字符！"), ""},
      {"bytes that are no GBK", Repeat("\x80\xFF", 5000),
       Status("表达式错误", "有不可识别的汉字字符！"), ""},
      {"a lone lead byte at the end", "1+\x81", Status("表达式错误", "有不可识别的汉字字符！"), ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    CalcHarness h;
    h.buffer.SetText(row.line);
    h.buffer.SetCaret(h.buffer.Length());
    CalculateCurrentLine(h.Context());
    if (row.status.empty()) {
      EXPECT_EQ(h.LastStatus(), Status("运算完成", "用时 0 秒"));
      EXPECT_EQ(GbkToUtf8(h.state.lastResult), row.result);
    } else {
      EXPECT_EQ(h.LastStatus(), row.status);
    }
  }
}

TEST(PathologicalInput, ABatchOverGarbageEnds) {
  CalcHarness h;
  std::string text;
  for (int i = 0; i < 2000; ++i) text += std::string("\x81\r\n\0\0 =\xFF  \r\n", 12) + "1+1\r\n";
  for (bool spaceSeparates : {false, true}) {
    h.settings.spaceSeparates = spaceSeparates;
    h.buffer.SetText(text);
    BatchCalculate(h.Context());
    EXPECT_EQ(h.buffer.Length(), text.size() + 2000 * 2);  // "=2" on every "1+1" line
  }
}

}  // namespace
}  // namespace tabulex
