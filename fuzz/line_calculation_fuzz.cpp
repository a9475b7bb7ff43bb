// Fuzzes the whole line calculation: the first bytes choose the settings and the caret, the
// rest is the editor text (GBK bytes, valid or not). Then the line is calculated and, on the
// same text, converted to a fraction form.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/calculate_current_line.h"
#include "engine/fraction_conversion.h"
#include "engine/text_buffer.h"

namespace {

class NullStatus final : public tabulex::StatusSink {
 public:
  void ShowStatus(std::string_view) override {}
};

class NullClipboard final : public tabulex::Clipboard {
 public:
  void SetText(std::string_view) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  tabulex::CalcSettings settings;
  settings.spaceSeparates = data[0] & 1;
  settings.decimalRounding = data[0] & 2;
  settings.newLineAfterCalc = data[0] & 4;
  settings.newLinePasteResult = data[0] & 8;
  settings.enterInsertsNewLine = data[0] & 16;
  settings.resultToClipboard = data[0] & 32;
  settings.angleUnit = (data[0] & 64) ? 1 : 2;
  settings.fractionDisplay = data[1] % 4;
  settings.thousandsSeparator = (data[1] >> 2) % 4;
  settings.precisionDigits = static_cast<std::int8_t>(data[2]) % 20;
  const std::string_view text(reinterpret_cast<const char*>(data + 4), size - 4);

  NullStatus status;
  NullClipboard clipboard;
  tabulex::SteadyTickSource ticks;
  tabulex::CalculationState state;
  tabulex::TextBuffer buffer{std::string(text)};
  const tabulex::CalcContext context{buffer, settings, state, status, clipboard, ticks};
  buffer.SetCaret(text.empty() ? 0 : data[3] % (text.size() + 1));
  tabulex::CalculateCurrentLine(context);
  tabulex::FractionConversion(context);
  return 0;
}
