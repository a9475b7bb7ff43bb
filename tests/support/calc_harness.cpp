#include "support/calc_harness.h"

#include "engine/calculate_current_line.h"
#include "engine/fraction_conversion.h"
#include "engine/gbk_text.h"

namespace tabulex::testing {

void CalcHarness::Load(std::string_view utf8WithCaret) {
  std::string text(utf8WithCaret);
  const std::size_t mark = text.find(kCaretMark);
  std::size_t caret = std::string::npos;
  if (mark != std::string::npos) {
    caret = Utf8ToGbk(text.substr(0, mark)).size();
    text.erase(mark, kCaretMark.size());
  }
  buffer.SetText(Utf8ToGbk(text));
  buffer.SetCaret(caret == std::string::npos ? buffer.Length() : caret);
}

std::string CalcHarness::Shown() const {
  const std::string text = buffer.Text();
  const std::size_t caret = buffer.Caret();
  return GbkToUtf8(text.substr(0, caret)) + std::string(kCaretMark) + GbkToUtf8(text.substr(caret));
}

std::string CalcHarness::LastStatus() const {
  return status.messages.empty() ? std::string() : GbkToUtf8(status.messages.back());
}

void CalcHarness::Calculate(std::string_view utf8WithCaret) {
  Load(utf8WithCaret);
  CalculateCurrentLine(Context());
}

void CalcHarness::Convert(std::string_view utf8WithCaret) {
  Load(utf8WithCaret);
  FractionConversion(Context());
}

std::string Status(std::string_view kind, std::string_view message) {
  return "  [" + std::string(kind) + "]_" + std::string(message);
}

}  // namespace tabulex::testing
