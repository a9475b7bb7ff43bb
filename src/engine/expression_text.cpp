#include "engine/expression_text.h"

#include <algorithm>

#include "engine/gbk_chars.h"
#include "engine/gbk_text.h"

namespace tabulex {

// Both passes below run on every line: they write through a pointer into room sized for the
// longest outcome and cut the text to length once.
std::string RemoveSpaces(std::string_view gbk) {
  std::string out(gbk.size(), '\0');
  char* o = out.data();
  for (std::size_t i = 0; i < gbk.size();) {
    if (static_cast<unsigned char>(gbk[i]) < 0x80) {
      if (gbk[i] != ' ') *o++ = gbk[i];
      ++i;
      continue;
    }
    const std::size_t length = GbkCharLength(gbk, i);
    if (!IsSpaceAt(gbk, i)) o = std::copy_n(gbk.data() + i, length, o);
    i += length;
  }
  out.resize(static_cast<std::size_t>(o - out.data()));
  return out;
}

std::string PrepareExpressionText(std::string_view expression) {
  std::string out(expression.size() + 1, '\0');
  char* o = out.data();
  for (std::size_t i = 0; i < expression.size();) {
    if (static_cast<unsigned char>(expression[i]) < 0x80) {
      const char c = expression[i++];
      if (c != ' ') *o++ = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
      continue;
    }
    const std::size_t length = GbkCharLength(expression, i);
    if (IsSpaceAt(expression, i)) {
      i += length;
      continue;
    }
    if (length == 1) {
      *o++ = expression[i];  // a byte that starts no two-byte character
    } else {
      const std::string_view ch = expression.substr(i, 2);
      const auto lead = static_cast<unsigned char>(ch[0]);
      const auto trail = static_cast<unsigned char>(ch[1]);
      if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
        *o++ = static_cast<char>(trail - 0x80);
      } else if (ch == gbk::kFullWidthTilde) {
        *o++ = '~';
      } else if (ch == gbk::kWhiteStar || ch == gbk::kBlackStar) {
        *o++ = '*';
      } else {
        o = std::copy(ch.begin(), ch.end(), o);
      }
    }
    i += length;
  }
  *o++ = ' ';
  out.resize(static_cast<std::size_t>(o - out.data()));
  return out;
}

}  // namespace tabulex
