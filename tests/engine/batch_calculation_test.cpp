#include "engine/batch_calculation.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "engine/gbk_text.h"
#include "support/calc_harness.h"

namespace tabulex {
namespace {

using testing::CalcHarness;
using testing::Status;

const std::string kDone = Status("运算完成", "用时 0 秒");

std::string Batch(CalcHarness& h, const std::string& text) {
  h.Load(text + "▮");
  BatchCalculate(h.Context());
  EXPECT_EQ(h.buffer.Caret(), std::min<std::size_t>(1, h.buffer.Length()));
  return GbkToUtf8(h.buffer.Text());
}

TEST(BatchCalculate, CalculatesEveryLine) {
  CalcHarness h;
  EXPECT_EQ(Batch(h, "1+1\r\n2*3\r\nx\r\n4^2"), "1+1=2\r\n2*3=6\r\nx\r\n4^2=16");
  EXPECT_EQ(h.LastStatus(), kDone);
  EXPECT_EQ(GbkToUtf8(h.status.messages[2]), Status("表达式错误", "有不可识别的字符！"));
  EXPECT_EQ(Batch(h, "\r\n1+1\r\n\r\n1+2=3\r\n  \r\n5"), "\r\n1+1=2\r\n\r\n1+2=3\r\n  \r\n5");
  EXPECT_EQ(Batch(h, ""), "");
}

TEST(BatchCalculate, TheEmptyLineAfterAFinalLineBreakIsNotCalculated) {
  CalcHarness h;
  EXPECT_EQ(Batch(h, "1+1\r\n2*3\r\n"), "1+1=2\r\n2*3=6\r\n");
  EXPECT_EQ(h.state.accumulatorList.size(), 2u);
  EXPECT_EQ(h.LastStatus(), kDone);
  // Taken again, a fraction or a power of ten would be written a second time.
  h.settings.fractionDisplay = 1;
  EXPECT_EQ(Batch(h, "1∟2+1∟4\r\n10^20\r\n"), "1∟2+1∟4=3∟4\r\n10^20=1×10^020\r\n");
  h.settings.spaceSeparates = true;
  EXPECT_EQ(Batch(h, "1∟2+1∟4 1∟3\r\n"), "1∟2+1∟4=3∟4   1∟3=1∟3\r\n");
}

TEST(BatchCalculate, SpaceSeparatedExpressions) {
  CalcHarness h;
  h.settings.spaceSeparates = true;
  EXPECT_EQ(Batch(h, "1+2   3*4\r\n5-1"), "1+2=3   3*4=12\r\n5-1=4");
  EXPECT_EQ(Batch(h, "1+2 3*4  5"), "1+2=3   3*4=12   5");
  EXPECT_EQ(Batch(h, "  1+2\r\n\r\n 价格=3+4 x 9-1"), "  1+2=3\r\n\r\n 价格=3+4=7   x 9-1=8");
}

TEST(BatchCalculate, CoversTheWholeTextHoweverManyExpressionsItHolds) {
  CalcHarness h;
  h.settings.spaceSeparates = true;
  std::string text;
  std::string expected;
  for (int i = 0; i < 6000; ++i) {
    text += i == 0 ? "1+1" : "   1+1";
    expected += i == 0 ? "1+1=2" : "   1+1=2";
  }
  EXPECT_EQ(Batch(h, text), expected);
}

TEST(BatchCalculate, OptionsAfterAResultApplyToEveryLine) {
  CalcHarness h;
  h.settings.newLineAfterCalc = true;
  EXPECT_EQ(Batch(h, "1+1\r\n2+2"), "1+1=2\r\n\r\n2+2=4\r\n");
  h.settings.newLineAfterCalc = false;
  h.settings.newLinePasteResult = true;
  EXPECT_EQ(Batch(h, "1+1\r\n2+2"), "1+1=2\r\n2\r\n2+2=4\r\n4");
  h.settings.spaceSeparates = true;
  EXPECT_EQ(Batch(h, "1+1 2+2"), "1+1=2\r\n2   2+2=4\r\n4");
}

// The text given line by line, and the finished pieces joined.
class LineStream final : public BatchStream {
 public:
  explicit LineStream(std::string text) : m_text{std::move(text)} {}
  std::optional<std::string> NextText() override {
    if (m_read >= m_text.size()) return std::nullopt;
    const std::size_t end = m_text.find("\r\n", m_read);
    const std::size_t next = end == std::string::npos ? m_text.size() : end + 2;
    std::string line = m_text.substr(m_read, next - m_read);
    m_read = next;
    return line;
  }
  void Finished(std::string_view gbk) override { output += gbk; }
  std::string output;

 private:
  std::string m_text;
  std::size_t m_read{0};
};

// A stream of lines gives, line for line and message for message, what the whole text gives,
// whatever the settings that add lines or results.
TEST(BatchCalculate, AStreamGivesWhatTheWholeTextGives) {
  const char* texts[] = {
      "1+1\r\n2*3\r\nx\r\n4^2",
      "\r\n1+1\r\n\r\n1+2=3\r\n  \r\n5\r\n",
      "1∟2+1∟4\r\n10^20\r\n",
      "1+2   3*4\r\n5-1 x  9\r\n\r\n",
      "  1+2\r\n\r\n 价格=3+4 x 9-1",
      "1\r\n",
      "",
      "\r\n\r\n",
      "sin30+2^3\r\n15+3=18+5\r\n1∟3+2∟1∟4",
  };
  // And one long enough for the finished lines to be handed over on the way, many times.
  std::string longText;
  for (int i = 0; i < 3000; ++i) {
    longText += i % 7 == 0   ? "\r\n"
                : i % 5 == 0 ? "x y\r\n"
                             : "1∟3+" + std::to_string(i) + " 2*3\r\n";
  }
  std::vector<const char*> all(std::begin(texts), std::end(texts));
  all.push_back(longText.c_str());
  for (int variant = 0; variant < 8; ++variant) {
    for (const char* text : all) {
      SCOPED_TRACE(::testing::Message() << variant << " " << std::string(text).substr(0, 40));
      CalcHarness whole;
      CalcHarness streamed;
      for (CalcHarness* h : {&whole, &streamed}) {
        h->settings.spaceSeparates = variant & 1;
        h->settings.newLineAfterCalc = variant & 2;
        h->settings.newLinePasteResult = variant & 4;
        h->settings.fractionDisplay = variant % 3;
      }
      whole.Load(std::string(text) + "▮");
      BatchCalculate(whole.Context());
      LineStream stream(Utf8ToGbk(text));
      BatchCalculate(streamed.Context(), stream);
      EXPECT_EQ(GbkToUtf8(stream.output), GbkToUtf8(whole.buffer.Text()));
      EXPECT_EQ(streamed.status.messages, whole.status.messages);
    }
  }
}

}  // namespace
}  // namespace tabulex
