// How settings values are stored as text in the configuration file: booleans as "真"/"假",
// integers as decimal text read back with the atof rules. Texts are GBK.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tabulex {

inline constexpr std::string_view kSettingTrue = "\xD5\xE6";   // 真
inline constexpr std::string_view kSettingFalse = "\xBC\xD9";  // 假

// True exactly for "真"; "true", "1", "是", the empty text and the rest read false.
bool ParseSettingBool(std::string_view text);

// atof rules (leading white space skipped, longest numeric prefix, 0 when there is none),
// then truncated toward zero. Values beyond the range clamp to it; not-a-number reads 0.
std::int32_t ParseSettingInt(std::string_view text);
std::int64_t ParseSettingInt64(std::string_view text);

std::string FormatSettingBool(bool value);
std::string FormatSettingInt(std::int64_t value);

}  // namespace tabulex
