// The GBK forms of the non-ASCII characters the calculation knows by name. Sources are
// UTF-8, the engine works on GBK bytes, so these are spelled as bytes.
#pragma once

#include <string_view>

namespace tabulex::gbk {

inline constexpr std::string_view kFractionSeparator = "\xA8\x4E";  // ∟
inline constexpr std::string_view kTimes = "\xA1\xC1";              // ×
inline constexpr std::string_view kDivide = "\xA1\xC2";             // ÷
inline constexpr std::string_view kRoot = "\xA1\xCC";               // √
inline constexpr std::string_view kPerMille = "\xA1\xEB";           // ‰
inline constexpr std::string_view kPi = "\xA6\xD0";                 // π
inline constexpr std::string_view kFullWidthSpace = "\xA1\xA1";     // the ideographic space
inline constexpr std::string_view kFullWidthTilde = "\xA1\xAB";     // ～
inline constexpr std::string_view kWhiteStar = "\xA1\xEE";          // ☆
inline constexpr std::string_view kBlackStar = "\xA1\xEF";          // ★

}  // namespace tabulex::gbk
