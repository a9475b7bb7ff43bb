// The search for a fraction N/D close to the fractional part f of a result: starting at 1/2,
// D grows while N/D is too big and N grows while it is too small, until N/D lies within
// 10^-12 of f. It gives up once N and D together need 9 digits.
#pragma once

#include <cstdint>
#include <optional>

namespace tabulex {

struct FoundFraction {
  std::int64_t numerator{0};
  std::int64_t denominator{0};
};

// Number of decimal digits of a positive integer.
int DecimalDigits(std::int64_t value);

// The search stepping N and D one at a time, exactly as defined. It can take millions of
// steps (f = 0.0000002 ends at 1/4999976); faster searches must return what this returns.
std::optional<FoundFraction> SteppingFractionSearch(double f);

// The same search without the single steps: returns exactly what SteppingFractionSearch
// returns for every double f, in microseconds. Each point it looks at is judged with the
// stepping search's own double expressions, so rounding cannot make the two differ.
std::optional<FoundFraction> FindFraction(double f);

}  // namespace tabulex
