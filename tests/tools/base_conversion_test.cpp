#include "tools/base_conversion.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

struct Conversion {
  const char* input;  // UTF-8, as typed
  int source;
  int target;
  const char* expected;  // UTF-8
};

constexpr char kDigitError[] = "参数错误！";
constexpr char kBaseError[] = "参数错误-进制只能在2-36之间";

TEST(ConvertBase, ConvertsAsTheToolShowsIt) {
  const Conversion cases[] = {
      {"255", 10, 16, "FF"},
      {"ff", 16, 2, "11111111"},
      {"１０", 10, 2, "1010"},
      {"ｆｆ", 16, 10, "255"},
      {"zz", 36, 10, "1295"},
      {"1295", 10, 36, "ZZ"},
      {"00FF", 16, 10, "255"},
      {"0000", 10, 2, "0"},
      {"", 10, 16, "0"},
      {"7", 10, 8, "7"},
      {"8", 10, 8, "10"},
      {"1234567890123456789012345678901234567890", 10, 16, "3A0C92075C0DBF3B8ACBC5F96CE3F0AD2"},
      {"3A0C92075C0DBF3B8ACBC5F96CE3F0AD2", 16, 36, "1IZIBJF4ZVDBMVQ66D6WM8G1CI"},
      {"1IZIBJF4ZVDBMVQ66D6WM8G1CI", 36, 10, "1234567890123456789012345678901234567890"},
      // Equal bases give the normalised text back, leading zeros and all.
      {"00FF", 16, 16, "00FF"},
      {"00ff", 16, 16, "00FF"},
      {"", 10, 10, ""},
      // Anything but a digit of the source base.
      {"19", 8, 10, kDigitError},
      {"19", 8, 8, kDigitError},
      {"-5", 10, 16, kDigitError},
      {"1.5", 10, 16, kDigitError},
      {"1 5", 10, 16, kDigitError},
      {"1　5", 10, 16, kDigitError},
      {"Z", 35, 10, kDigitError},
      {"价", 10, 16, kDigitError},
      {"+5", 10, 16, kDigitError},
      // The bases are checked before the digits.
      {"19", 1, 10, kBaseError},
      {"19", 10, 37, kBaseError},
      {"-5", 0, 16, kBaseError},
      {"5", 37, 37, kBaseError},
  };
  for (const Conversion& c : cases) {
    SCOPED_TRACE(std::string(c.input) + " " + std::to_string(c.source) + "->" +
                 std::to_string(c.target));
    EXPECT_EQ(GbkToUtf8(ConvertBase(Utf8ToGbk(c.input), c.source, c.target)), c.expected);
  }
}

// Long inputs take GMP's divide-and-conquer paths; the digits must still be exact.
TEST(ConvertBase, LongInputsConvertExactly) {
  // 2^8000 has one 1 and then zeros in every power-of-two base.
  const std::string binary = "1" + std::string(8000, '0');
  EXPECT_EQ(ConvertBase(binary, 2, 16), "1" + std::string(2000, '0'));
  EXPECT_EQ(ConvertBase("1" + std::string(2000, '0'), 16, 2), binary);

  std::string decimal;
  for (int i = 0; i < 20000; ++i) decimal += static_cast<char>('0' + (i * 7 + i / 3) % 10);
  decimal[0] = '9';
  for (int base : {2, 7, 16, 36}) {
    SCOPED_TRACE(base);
    EXPECT_EQ(ConvertBase(ConvertBase(decimal, 10, base), base, 10), decimal);
  }
  // Every digit is the largest one: base^n - 1 needs exactly n digits.
  EXPECT_EQ(ConvertBase(std::string(5000, 'Z'), 36, 36), std::string(5000, 'Z'));
  EXPECT_EQ(ConvertBase(ConvertBase(std::string(5000, 'Z'), 36, 3), 3, 36), std::string(5000, 'Z'));
}

TEST(FullWidthToAscii, TurnsFullWidthAsciiAndKeepsOtherCharacters) {
  EXPECT_EQ(GbkToUtf8(FullWidthToAscii(Utf8ToGbk("（１．５）ａＢ　价∟"))), "(1.5)aB 价∟");
}

}  // namespace
}  // namespace tabulex
