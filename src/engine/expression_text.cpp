#include "engine/expression_text.h"

#include "engine/gbk_chars.h"
#include "engine/gbk_text.h"

namespace tabulex {

std::string RemoveSpaces(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size());
  for (std::size_t i = 0; i < gbk.size();) {
    if (static_cast<unsigned char>(gbk[i]) < 0x80) {
      if (gbk[i] != ' ') out += gbk[i];
      ++i;
      continue;
    }
    const std::size_t length = GbkCharLength(gbk, i);
    if (!IsSpaceAt(gbk, i)) out.append(gbk.substr(i, length));
    i += length;
  }
  return out;
}

std::string PrepareExpressionText(std::string_view expression) {
  std::string out;
  out.reserve(expression.size() + 1);
  for (std::size_t i = 0; i < expression.size();) {
    if (static_cast<unsigned char>(expression[i]) < 0x80) {
      const char c = expression[i++];
      if (c != ' ') out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
      continue;
    }
    const std::size_t length = GbkCharLength(expression, i);
    if (IsSpaceAt(expression, i)) {
      i += length;
      continue;
    }
    if (length == 1) {
      out += expression[i];  // a byte that starts no two-byte character
    } else {
      const std::string_view ch = expression.substr(i, 2);
      const auto lead = static_cast<unsigned char>(ch[0]);
      const auto trail = static_cast<unsigned char>(ch[1]);
      if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
        out += static_cast<char>(trail - 0x80);
      } else if (ch == gbk::kFullWidthTilde) {
        out += '~';
      } else if (ch == gbk::kWhiteStar || ch == gbk::kBlackStar) {
        out += '*';
      } else {
        out.append(ch);
      }
    }
    i += length;
  }
  out += ' ';
  return out;
}

}  // namespace tabulex
