#include "engine/fraction_search.h"

#include <cmath>

#include "engine/number_text.h"

namespace tabulex {

int DecimalDigits(std::int64_t value) {
  int digits = 1;
  while (value >= 10) {
    value /= 10;
    ++digits;
  }
  return digits;
}

std::optional<FoundFraction> SteppingFractionSearch(double f) {
  std::int64_t n = 1;
  std::int64_t d = 2;
  for (;;) {
    const double q = static_cast<double>(n) / static_cast<double>(d);
    if (IsLess(std::fabs(q - f) * 1e12, 1.0)) return FoundFraction{n, d};
    const double gap = (f - q) * 1e12;
    if (IsLess(gap, 0.0)) {
      ++d;
    } else if (IsGreater(gap, 0.0)) {
      ++n;
    } else {
      return FoundFraction{n, d};
    }
    if (DecimalDigits(n) + DecimalDigits(d) >= 9) return std::nullopt;
  }
}

}  // namespace tabulex
