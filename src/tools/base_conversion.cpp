#include "tools/base_conversion.h"

#include "engine/gbk_text.h"
#include "tools/big_integer.h"

namespace tabulex {
namespace {

constexpr std::string_view kIdeographicSpace = "\xA1\xA1";

// Full-width ASCII first, then upper case, so "ｆｆ" reads like "FF". Walking by characters keeps
// the second byte of a two-byte character from being taken for a letter.
std::string NormaliseDigits(std::string_view gbk) {
  std::string text = FullWidthToAscii(gbk);
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = GbkCharLength(text, i);
    if (length == 1 && text[i] >= 'a' && text[i] <= 'z') text[i] = static_cast<char>(text[i] - 32);
    i += length;
  }
  return text;
}

}  // namespace

std::string FullWidthToAscii(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size());
  for (std::size_t i = 0; i < gbk.size();) {
    const std::size_t length = GbkCharLength(gbk, i);
    const auto lead = static_cast<unsigned char>(gbk[i]);
    const auto trail = length == 2 ? static_cast<unsigned char>(gbk[i + 1]) : 0;
    if (length == 2 && lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      out += static_cast<char>(trail - 0x80);
    } else if (length == 2 && gbk.substr(i, 2) == kIdeographicSpace) {
      out += ' ';
    } else {
      out.append(gbk.substr(i, length));
    }
    i += length;
  }
  return out;
}

std::string ConvertBase(std::string_view inputGbk, int sourceBase, int targetBase) {
  if (sourceBase < 2 || sourceBase > 36 || targetBase < 2 || targetBase > 36) {
    return Utf8ToGbk("参数错误-进制只能在2-36之间");
  }
  std::string digits = NormaliseDigits(inputGbk);
  const std::optional<BigInteger> value = BigInteger::FromDigits(digits, sourceBase);
  if (!value) return Utf8ToGbk("参数错误！");
  if (sourceBase == targetBase) return digits;
  return value->ToDigits(targetBase);
}

}  // namespace tabulex
