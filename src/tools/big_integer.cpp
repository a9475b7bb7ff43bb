#include "tools/big_integer.h"

#include <cstring>

namespace tabulex {
namespace {

// Digit value of an upper-case alphabet character, or -1.
int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return -1;
}

}  // namespace

BigInteger::BigInteger() {
  mpz_init(m_value);
}

BigInteger::~BigInteger() {
  mpz_clear(m_value);
}

// mpz_init does not allocate, so a moved-from value is a cheap, valid zero.
BigInteger::BigInteger(BigInteger&& other) noexcept {
  mpz_init(m_value);
  mpz_swap(m_value, other.m_value);
}

BigInteger& BigInteger::operator=(BigInteger&& other) noexcept {
  mpz_swap(m_value, other.m_value);
  return *this;
}

std::optional<BigInteger> BigInteger::FromDigits(std::string_view digits, int base) {
  if (base < 2 || base > 36) return std::nullopt;
  // GMP would also take lower case and skip white space; the alphabet here is stricter.
  for (char c : digits) {
    const int value = DigitValue(c);
    if (value < 0 || value >= base) return std::nullopt;
  }
  BigInteger number;
  if (!digits.empty()) {
    // mpz_set_str needs a terminated string.
    const std::string text(digits);
    mpz_set_str(number.m_value, text.c_str(), base);
  }
  return number;
}

std::string BigInteger::ToDigits(int base) const {
  // mpz_sizeinbase may count one digit too many; room for the terminator as well.
  std::string text(mpz_sizeinbase(m_value, base) + 2, '\0');
  // A negative base asks GMP for upper-case letters.
  mpz_get_str(text.data(), -base, m_value);
  text.resize(std::strlen(text.c_str()));
  return text;
}

}  // namespace tabulex
