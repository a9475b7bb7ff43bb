// Conversion of a non-negative integer of any length between bases 2 to 36, run on every
// keystroke of the base conversion tab. Texts are GBK like everywhere in the logic; the widget
// converts at its edge.
#pragma once

#include <string>
#include <string_view>

namespace tabulex {

// The full-width forms of ASCII characters (GBK A3A1 to A3FE) and the ideographic space become
// their ASCII characters; every other character is kept. Shared with the statistics tab.
std::string FullWidthToAscii(std::string_view gbk);

// The digits of inputGbk, read in sourceBase, written in targetBase: upper-case letters, no
// leading zeros ("0" for zero and for an empty input). Equal bases give the normalised input
// back, leading zeros kept. Errors come back as the text to show in the result box (GBK):
// "参数错误-进制只能在2-36之间" for a base outside 2 to 36, "参数错误！" for a character that is
// not a digit of sourceBase (signs, points, spaces and other characters included).
std::string ConvertBase(std::string_view inputGbk, int sourceBase, int targetBase);

}  // namespace tabulex
