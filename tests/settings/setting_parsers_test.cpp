#include "settings/setting_parsers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax64 = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();

TEST(ParseSettingBool, OnlyTheExactTextTrueIsTrue) {
  const struct {
    const char* text;  // UTF-8
    bool value;
  } rows[] = {
      {"真", true}, {"假", false},  {"true", false}, {"1", false},    {"是", false},
      {"", false},  {" 真", false}, {"真 ", false},  {"真真", false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(ParseSettingBool(Utf8ToGbk(row.text)), row.value);
  }
}

TEST(ParseSettingInt, ReadsWithTheAtofRulesAndTruncatesTowardZero) {
  const struct {
    const char* text;
    std::int32_t value;
  } rows[] = {
      {"13.9", 13},
      {"-2.5", -2},
      {"-0.9", 0},
      {"abc", 0},
      {"", 0},
      {"  42xyz", 42},
      {"\t-7", -7},
      {"+5", 5},
      {"1e3", 1000},
      {".5", 0},
      {"16777215", 16777215},
      {"600", 600},
      {"2147483647", kMax32},
      {"2147483647.9", kMax32},
      {"2147483648", kMax32},  // beyond the range: clamped
      {"-2147483648", kMin32},
      {"-2147483649", kMin32},
      {"1e100", kMax32},
      {"-1e100", kMin32},
      {"inf", kMax32},
      {"-inf", kMin32},
      {"nan", 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(ParseSettingInt(row.text), row.value);
  }
}

TEST(ParseSettingInt64, KeepsTheRunCounterBeyondThirtyTwoBits) {
  const struct {
    const char* text;
    std::int64_t value;
  } rows[] = {
      {"9000000000", 9000000000},
      {"2.9", 2},
      {"-9000000000.5", -9000000000},
      {"9223372036854775807", kMax64},
      {"-9223372036854775808", kMin64},
      {"1e30", kMax64},
      {"-1e30", kMin64},
      {"nan", 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(ParseSettingInt64(row.text), row.value);
  }
}

TEST(FormatSetting, WritesTrueFalseAndPlainDecimalTexts) {
  EXPECT_EQ(FormatSettingBool(true), Utf8ToGbk("真"));
  EXPECT_EQ(FormatSettingBool(false), Utf8ToGbk("假"));
  EXPECT_EQ(FormatSettingInt(0), "0");
  EXPECT_EQ(FormatSettingInt(16777215), "16777215");
  EXPECT_EQ(FormatSettingInt(-5), "-5");
  EXPECT_EQ(FormatSettingInt(kMin64), "-9223372036854775808");
  EXPECT_EQ(ParseSettingInt64(FormatSettingInt(kMax64)), kMax64);
}

}  // namespace
}  // namespace tabulex
