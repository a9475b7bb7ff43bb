#include "engine/number_text.h"

#include <locale.h>
#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace tabulex {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// from_chars reports overflow and underflow without a value; strtod in the C locale gives the
// infinity or the tiny value a reader expects. Only texts with hundreds of digits get here.
double ReadOutOfRange(const char* begin) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
  return strtod_l(begin, nullptr, cLocale);
}

// The common case without the general reader: at most 15 digits with an optional point and no
// exponent. The digits make an integer below 2^53 and the scale a power of ten up to 1e22, both
// exact, so their one correctly rounded division is the nearest double to the text.
bool ReadShortDecimal(std::string_view text, double& value) {
  const char* p = text.data();
  const char* const end = p + text.size();
  std::uint64_t digits = 0;
  // Unsigned arithmetic: a longer run wraps harmlessly and is refused by its count.
  const auto readDigits = [&] {
    const char* const first = p;
    for (; p != end && IsDigit(*p); ++p)
      digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
    return p - first;
  };
  auto count = readDigits();
  std::ptrdiff_t decimals = 0;
  if (p != end && *p == '.') {
    ++p;
    decimals = readDigits();
    count += decimals;
  }
  if (count > 15 || (p != end && (*p == 'e' || *p == 'E'))) return false;
  value = static_cast<double>(digits) / kExactPowersOfTen[static_cast<std::size_t>(decimals)];
  return true;
}

// The last few texts written, with their values. A calculation reads back the operand texts it
// has just written, and a result is formatted through several round trips over one value:
// each conversion is worked out once. Only exact facts are kept: a text is looked up for its
// value only when it reads back as that value.
class ConversionMemo {
 public:
  struct Entry {
    double value{0};
    bool readsBack{false};
    std::uint8_t length{0};
    char text[30]{};
    std::string_view Text() const { return {text, length}; }
  };

  const Entry* FindValue(double value) const {
    for (const Entry& entry : m_entries) {
      if (entry.length > 0 && entry.value == value) return &entry;
    }
    return nullptr;
  }
  const Entry* FindText(std::string_view text) const {
    for (const Entry& entry : m_entries) {
      if (entry.readsBack && entry.Text() == text) return &entry;
    }
    return nullptr;
  }
  void Remember(double value, std::string_view text, bool readsBack) {
    if (text.size() > sizeof(Entry::text)) return;
    Entry& entry = m_entries[m_next];
    m_next = (m_next + 1) % m_entries.size();
    entry.value = value;
    entry.readsBack = readsBack;
    entry.length = static_cast<std::uint8_t>(text.size());
    std::copy(text.begin(), text.end(), entry.text);
  }

 private:
  std::array<Entry, 4> m_entries{};
  std::size_t m_next{0};
};

thread_local ConversionMemo t_memo;

enum class NumberWords { Read, Refused };

double ReadNumber(std::string_view text, NumberWords words) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::string_view rest = text.substr(i);
  if (words == NumberWords::Read) {
    if (rest.starts_with("inf")) return negative ? -HUGE_VAL : HUGE_VAL;
    if (rest.starts_with("nan")) return std::nan("");
  }
  if (rest.empty() ||
      !(IsDigit(rest[0]) || (rest[0] == '.' && rest.size() > 1 && IsDigit(rest[1])))) {
    return 0.0;
  }
  double value = 0.0;
  if (ReadShortDecimal(rest, value)) return negative ? -value : value;
  const auto [end, error] =
      std::from_chars(rest.data(), rest.data() + rest.size(), value, std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    value = ReadOutOfRange(std::string(rest.substr(0, end - rest.data())).c_str());
  } else if (error != std::errc()) {
    return 0.0;
  }
  return negative ? -value : value;
}

}  // namespace

double TextToNumber(std::string_view text) {
  if (const auto* known = t_memo.FindText(text)) return known->value;
  // Most texts are plain digits, as typed or as written by NumberToText.
  double value = 0;
  if (!text.empty() && IsDigit(text[0]) && ReadShortDecimal(text, value)) return value;
  return ReadNumber(text, NumberWords::Read);
}

double TypedTextToNumber(std::string_view text) {
  return ReadNumber(text, NumberWords::Refused);
}

namespace {

// Appends the decimal digits of a small positive number.
char* AppendNumber(char* out, std::uint64_t value) {
  char digits[20];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value > 0);
  while (count > 0) *out++ = digits[--count];
  return out;
}

// "%.13g" with an exponent of at least three digits, from the 13 (or fewer) significant digits
// and the decimal exponent of the first one. Written into a buffer: this runs for every
// intermediate result of every calculation.
std::string GeneralForm(bool negative, const char* digits, int count, int exponent) {
  char text[48];
  char* out = text;
  if (negative) *out++ = '-';
  // %g drops trailing zeros.
  while (count > 1 && digits[count - 1] == '0') --count;
  if (exponent < -4 || exponent >= 13) {
    *out++ = digits[0];
    if (count > 1) {
      *out++ = '.';
      for (int k = 1; k < count; ++k) *out++ = digits[k];
    }
    *out++ = 'e';
    *out++ = exponent < 0 ? '-' : '+';
    const int power = exponent < 0 ? -exponent : exponent;
    if (power < 100) *out++ = '0';
    if (power < 10) *out++ = '0';
    out = AppendNumber(out, static_cast<std::uint64_t>(power));
  } else if (exponent < 0) {
    *out++ = '0';
    *out++ = '.';
    for (int k = 0; k < -exponent - 1; ++k) *out++ = '0';
    for (int k = 0; k < count; ++k) *out++ = digits[k];
  } else {
    const int whole = exponent + 1;
    for (int k = 0; k < whole; ++k) *out++ = k < count ? digits[k] : '0';
    if (count > whole) {
      *out++ = '.';
      for (int k = whole; k < count; ++k) *out++ = digits[k];
    }
  }
  return std::string(text, out);
}

// "%.13g" of the exact binary value through the library's correctly rounded conversion: for
// values far from 1, beyond the reach of the 128-bit arithmetic below.
std::string PreciseGeneralForm(double value) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 13);
  std::string text(buffer, result.ptr);
  // Exponents are written with at least three digits.
  const std::size_t e = text.find('e');
  if (e != std::string::npos) {
    const std::size_t digits = text.size() - (e + 2);
    if (digits < 3) text.insert(e + 2, 3 - digits, '0');
  }
  return text;
}

// A GCC and Clang extension, named so for -Wpedantic.
__extension__ using Wide = unsigned __int128;

constexpr int kMaxScale = 27;  // 5^27 < 2^63

constexpr std::array<std::uint64_t, kMaxScale + 1> kPowersOfFive = [] {
  std::array<std::uint64_t, kMaxScale + 1> powers{};
  powers[0] = 1;
  for (int k = 1; k <= kMaxScale; ++k) powers[k] = powers[k - 1] * 5;
  return powers;
}();

int BitWidth(Wide x) {
  const auto high = static_cast<std::uint64_t>(x >> 64);
  return high != 0 ? 64 + std::bit_width(high) : std::bit_width(static_cast<std::uint64_t>(x));
}

// m·2^q·10^k as an exact fraction: its integer part, and whether the rest is nothing, below a
// half, a half or above. False when the fraction does not fit 128 bits.
struct Scaled {
  std::uint64_t whole{0};
  int rest{0};  // the part after the point against one half: -1 below (or 0 with exact), 0, 1
  bool exact{true};
};

bool Scale(std::uint64_t m, int q, int k, Scaled& scaled) {
  if (k > kMaxScale || k < -kMaxScale) return false;
  Wide numerator = m;
  Wide denominator = 1;
  if (k >= 0) {
    numerator *= kPowersOfFive[static_cast<std::size_t>(k)];
  } else {
    denominator = kPowersOfFive[static_cast<std::size_t>(-k)];
  }
  const int twos = q + k;  // 10^k is 5^k·2^k
  if (twos >= 0) {
    if (BitWidth(numerator) + twos > 127) return false;
    numerator <<= twos;
  } else {
    if (BitWidth(denominator) - twos > 126) return false;
    denominator <<= -twos;
  }
  const Wide whole = numerator / denominator;
  const Wide twiceRest = (numerator % denominator) * 2;
  if (whole >> 64 != 0) return false;
  scaled.whole = static_cast<std::uint64_t>(whole);
  scaled.exact = twiceRest == 0;
  scaled.rest = twiceRest < denominator ? -1 : twiceRest == denominator ? 0 : 1;
  return true;
}

constexpr std::uint64_t kLowest13Digits = 1000000000000;  // 10^12
constexpr std::uint64_t kBeyond13Digits = 10000000000000;

// The 13 significant digits of a positive normal value, rounded half to even as the exact
// value is, with the decimal exponent of the first one; exact integer arithmetic on the
// binary value. False when the value lies too far from 1 for it.
bool ThirteenDigits(double value, std::uint64_t& digits, int& exponent, bool& exact) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const auto biased = static_cast<int>((bits >> 52) & 0x7FF);
  if (biased == 0) return false;  // subnormal
  const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int q = biased - 1075;
  // value lies in [2^e2, 2^(e2+1)): its decimal exponent is about e2·log10(2); the scaled
  // integer part settles it.
  const int e2 = biased - 1023;
  exponent = static_cast<int>(std::floor(e2 * 0.30102999566398120));
  Scaled scaled;
  for (int attempt = 0;; ++attempt) {
    if (attempt == 3 || !Scale(m, q, 12 - exponent, scaled)) return false;
    if (scaled.whole >= kBeyond13Digits) {
      ++exponent;
    } else if (scaled.whole < kLowest13Digits) {
      --exponent;
    } else {
      break;
    }
  }
  digits = scaled.whole;
  if (scaled.rest > 0 || (scaled.rest == 0 && (digits & 1) != 0)) ++digits;
  if (digits == kBeyond13Digits) {
    digits = kLowest13Digits;
    ++exponent;
  }
  exact = scaled.exact;
  return true;
}

// Writes value as exactly count decimal digits, leading zeros included.
void WritePairs(char* out, std::uint32_t value, int count) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  for (int k = count; k >= 2; k -= 2, value /= 100) {
    const std::uint32_t pair = value % 100;
    out[k - 2] = kPairs[2 * pair];
    out[k - 1] = kPairs[2 * pair + 1];
  }
  if (count % 2 != 0) out[0] = static_cast<char>('0' + value % 10);
}

// Whether the text of digits·10^(exponent-12) reads back as value: the nearest double to it,
// from an exact integer below 2^53 and an exact power of ten in one rounding. Unknown (false)
// beyond 10^22.
bool DigitsReadBackAs(std::uint64_t digits, int exponent, double value) {
  const int scale = exponent - 12;
  if (scale > 22 || scale < -22) return false;
  const auto whole = static_cast<double>(digits);
  const double read = scale >= 0 ? whole * kExactPowersOfTen[static_cast<std::size_t>(scale)]
                                 : whole / kExactPowersOfTen[static_cast<std::size_t>(-scale)];
  return read == value;
}

// readsBack tells whether the text reads back as the value itself (false when unknown).
std::string FiniteNumberToText(double value, bool& readsBack) {
  readsBack = true;
  const double magnitude = std::fabs(value);
  if (magnitude < 1e13 && magnitude == std::trunc(magnitude)) {
    // A whole number of 13 digits or fewer is its digits: most intermediates are.
    char text[16];
    char* out = text;
    if (value < 0) *out++ = '-';
    out = AppendNumber(out, static_cast<std::uint64_t>(magnitude));
    return std::string(text, out);
  }
  std::uint64_t digits = 0;
  int exponent = 0;
  bool exact = false;
  if (!ThirteenDigits(magnitude, digits, exponent, exact)) {
    readsBack = false;
    return PreciseGeneralForm(value);
  }
  readsBack = exact || DigitsReadBackAs(digits, exponent, magnitude);
  char text[13];
  // Two halves in 32 bits, two digits a step: cheaper than thirteen 64-bit divisions.
  WritePairs(text, static_cast<std::uint32_t>(digits / 100000000), 5);
  WritePairs(text + 5, static_cast<std::uint32_t>(digits % 100000000), 8);
  return GeneralForm(value < 0, text, 13, exponent);
}

}  // namespace

std::string NumberToText(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  if (value == 0) return std::signbit(value) ? "-0" : "0";
  if (const auto* known = t_memo.FindValue(value)) return std::string(known->Text());
  bool readsBack = false;
  std::string text = FiniteNumberToText(value, readsBack);
  t_memo.Remember(value, text, readsBack);
  return text;
}

}  // namespace tabulex
