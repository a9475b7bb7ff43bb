// BigInteger: a non-negative whole number of any length, read from and written as digits in a
// base from 2 to 36. A thin owner of a GMP integer, so the base conversion costs a near-linear
// time instead of the square of the input length; it offers nothing beyond what the
// conversion needs.
#pragma once

#include <gmp.h>

#include <optional>
#include <string>
#include <string_view>

namespace tabulex {

class BigInteger final {
 public:
  // Zero.
  BigInteger();
  ~BigInteger();
  BigInteger(BigInteger&& other) noexcept;
  BigInteger& operator=(BigInteger&& other) noexcept;
  BigInteger(const BigInteger&) = delete;
  BigInteger& operator=(const BigInteger&) = delete;

  // The value of digits from "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ" in base (2 to 36); only
  // the first base characters are digits, so lower-case letters, signs and spaces are refused.
  // No digits at all is zero.
  static std::optional<BigInteger> FromDigits(std::string_view digits, int base);

  // The digits in base (2 to 36), upper-case letters, no leading zeros; zero is "0".
  std::string ToDigits(int base) const;

 private:
  mpz_t m_value;
};

}  // namespace tabulex
