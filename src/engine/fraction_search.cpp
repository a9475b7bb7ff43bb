#include "engine/fraction_search.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/number_text.h"

namespace tabulex {
namespace {

// How the stepping search moves, which is what lets FindFraction jump through it:
// - "Found" holds for the rounded gap (f - N/D)·10^12 in a range around 0, "too big" below it
//   and "too small" above it. The rounded quotient N/D grows with N and shrinks with D, and
//   every rounding step is monotone, so for each N "too big" holds exactly for the D below
//   some S(N), and S(N) never falls as N grows.
// - Hence the walk stops at numerator N on D*(N) = max(2, S(N)): it arrives with D*(N-1),
//   raises D while N/D is too big, then either finds the fraction or raises N.
// - N and D only grow, so the walk gives up at N exactly when N and D*(N) together have 9
//   digits, i.e. when N/(L-1) is still too big for L = 10^(8 - digits(N)). Once true, this
//   stays true for every larger N.
// - The result is the first N below that give-up point at which N/D*(N) is found.

enum class Verdict { kFound, kTooBig, kTooSmall };

// One point of the walk, tested with the stepping search's very expressions.
Verdict Judge(std::int64_t n, std::int64_t d, double f) {
  const double q = static_cast<double>(n) / static_cast<double>(d);
  if (IsLess(std::fabs(q - f) * 1e12, 1.0)) return Verdict::kFound;
  const double gap = (f - q) * 1e12;
  if (IsLess(gap, 0.0)) return Verdict::kTooBig;
  if (IsGreater(gap, 0.0)) return Verdict::kTooSmall;
  return Verdict::kFound;
}

bool TooBig(std::int64_t n, std::int64_t d, double f) {
  return Judge(n, d, f) == Verdict::kTooBig;
}

// An 8-digit N gives up whatever D is, so the walk never gets past this numerator.
constexpr std::int64_t kNumeratorEnd = 10'000'000;

// The smallest D at which N and D together have 9 digits.
std::int64_t DenominatorLimit(std::int64_t n) {
  std::int64_t limit = 1;
  for (int digits = DecimalDigits(n); digits < 8; ++digits) limit *= 10;
  return limit;
}

bool GivesUpAt(std::int64_t n, double f) {
  const std::int64_t limit = DenominatorLimit(n);
  return limit == 1 || TooBig(n, limit - 1, f);
}

// The first numerator at which the walk gives up, by bisection on that monotone condition.
std::int64_t FirstGivingUpNumerator(double f) {
  std::int64_t before = 0;
  std::int64_t at = kNumeratorEnd;
  while (at - before > 1) {
    const std::int64_t middle = before + (at - before) / 2;
    if (GivesUpAt(middle, f)) {
      at = middle;
    } else {
      before = middle;
    }
  }
  return at;
}

// D*(N): the smallest D >= 2 at which N/D is not too big. N lies below the give-up point, so
// limit - 1 qualifies. Starts from the estimate N / (f + 10^-12), which is off by at most one
// or two, then gallops and bisects so that a poor estimate costs time, never correctness.
std::int64_t StopDenominator(std::int64_t n, double f) {
  const std::int64_t low = 2;
  const std::int64_t high = DenominatorLimit(n) - 1;
  const double estimate = static_cast<double>(n) / (f + 1e-12);
  std::int64_t start = low;
  if (estimate >= static_cast<double>(high)) {
    start = high;
  } else if (estimate > static_cast<double>(low)) {
    start = static_cast<std::int64_t>(estimate) + 1;
  }
  // Too big at `below` (or below < low), not too big at `above`.
  std::int64_t below = low - 1;
  std::int64_t above = high;
  std::int64_t step = 1;
  if (TooBig(n, start, f)) {
    below = start;
    while (below + step < high) {
      if (!TooBig(n, below + step, f)) {
        above = below + step;
        break;
      }
      below += step;
      step *= 2;
    }
  } else {
    above = start;
    while (above - step >= low) {
      if (TooBig(n, above - step, f)) {
        below = above - step;
        break;
      }
      above -= step;
      step *= 2;
    }
  }
  while (above - below > 1) {
    const std::int64_t middle = below + (above - below) / 2;
    if (TooBig(n, middle, f)) {
      below = middle;
    } else {
      above = middle;
    }
  }
  return above;
}

std::optional<FoundFraction> TryNumerator(std::int64_t n, double f) {
  const std::int64_t d = StopDenominator(n, f);
  if (Judge(n, d, f) == Verdict::kFound) return FoundFraction{n, d};
  return std::nullopt;
}

// Only points N/D near f can be found: a found point lies within 1.00001e-12 + 2^-52·f of f
// (the threshold, plus the rounding of N/D and of the gap). The band searched below is
// kBandAbsolute + kBandRelative·f wide on each side, and its ends are moved out by a further
// 2^-50 relative, far more than their own rounding (2^-53 per operation), so it holds every
// point that can be found.
constexpr double kBandAbsolute = 1.001e-12;
constexpr double kBandRelative = 0x1p-50;
constexpr double kWiden = 0x1p-50;

// For f below 1 the walk gives up by N = 10^4 (N/999 is far too big there).
constexpr std::int64_t kNumeratorEndBelowOne = 10'000;

// A GCC and Clang extension, named so for -Wpedantic.
__extension__ using Wide = unsigned __int128;

// One end of an interval of fractions: num/den exactly (den 0: infinity, always open).
struct End {
  Wide num{0};
  Wide den{1};
  bool open{false};
};

// A positive finite double below 2^53 as an exact, closed end: mantissa / 2^k.
End ExactEnd(double x) {
  int exponent = 0;
  const double mantissa = std::frexp(x, &exponent);
  return End{static_cast<std::uint64_t>(std::ldexp(mantissa, 53)), Wide{1} << (53 - exponent),
             false};
}

bool SameValue(const End& end, const FoundFraction& v) {
  return end.num * static_cast<Wide>(v.denominator) == static_cast<Wide>(v.numerator) * end.den;
}

// The fraction with the smallest numerator between x and y (a non-empty interval of positive
// values, each end included unless open), if that numerator is below `cap`. It is the first
// node of the Stern–Brocot tree inside the interval: every other fraction there descends
// from it, with a larger numerator. Found by following the continued fractions the two ends
// share, in exact integer arithmetic. Sizes: the ends are doubles between 1e-9 and 1e7
// (below 2^83 over a power of two) or earlier results, numerators stay below cap <= 10^7 and
// denominators below 2·10^13, so no product comes near 2^128.
std::optional<FoundFraction> SimplestIn(End x, End y, std::int64_t cap) {
  const auto limit = static_cast<Wide>(cap);
  // The fraction sought is (p·t + r) / (s·t + u) for the simplest t in the current (x, y).
  // After the first step p >= 1 and t > 1, so p or the whole part of t reaching the cap
  // settles that the numerator does too.
  Wide p = 1;
  Wide r = 0;
  Wide s = 0;
  Wide u = 1;
  for (;;) {
    const Wide whole = x.num / x.den;
    const Wide rest = x.num % x.den;
    const Wide integer = rest == 0 && !x.open ? whole : whole + 1;  // smallest one not below x
    const bool inside =
        y.den == 0 || integer * y.den < y.num || (integer * y.den == y.num && !y.open);
    if (inside) {
      if (p != 0 && integer >= limit) return std::nullopt;
      const Wide numerator = p * integer + r;
      if (numerator >= limit) return std::nullopt;
      return FoundFraction{static_cast<std::int64_t>(numerator),
                           static_cast<std::int64_t>(s * integer + u)};
    }
    // No integer inside, so t = whole + 1/t' with t' in (1/(y - whole), 1/(x - whole)).
    if (p != 0 && whole >= limit) return std::nullopt;
    const Wide nextP = p * whole + r;
    const Wide nextS = s * whole + u;
    r = p;
    u = s;
    p = nextP;
    s = nextS;
    if (p >= limit) return std::nullopt;
    const End nextX{y.den, y.num - whole * y.den, y.open};
    const End nextY = rest == 0 ? End{1, 0, true} : End{x.den, rest, x.open};
    x = nextX;
    y = nextY;
  }
}

// An interval of the band still to be looked at, or a single fraction to judge.
struct Pending {
  std::int64_t key;  // no fraction here is met by the walk at a smaller numerator
  FoundFraction simplest;
  End low;
  End high;
  bool single;
};

// f in (1e-9, 1e7). Only the value of N/D matters to the test of a point, and for each N the
// walk stops at the first D that is not too big, which is found if any D is. So the walk
// finds at the smallest numerator at which it meets a found value of the band: the reduced
// numerator, or twice it for an integer n/1 since D starts at 2. The values are taken in
// order of that numerator, each interval split at its simplest fraction, until one is found
// or the walk has given up by then. A value at the band's edge that the test does not find
// is passed over, and the values on either side of it come next.
std::optional<FoundFraction> SearchBand(double f) {
  const std::int64_t cap = f < 1.0 ? kNumeratorEndBelowOne : kNumeratorEnd;
  const double band = kBandAbsolute + f * kBandRelative;
  std::vector<Pending> pending;
  const auto add = [&](const End& low, const End& high) {
    if (const auto simplest = SimplestIn(low, high, cap)) {
      pending.push_back(Pending{simplest->numerator, *simplest, low, high, false});
    }
  };
  add(ExactEnd((f - band) * (1.0 - kWiden)), ExactEnd((f + band) * (1.0 + kWiden)));
  while (!pending.empty()) {
    const auto next =
        std::min_element(pending.begin(), pending.end(),
                         [](const Pending& a, const Pending& b) { return a.key < b.key; });
    const Pending entry = *next;
    pending.erase(next);
    // Keys only grow from here on, so a walk that gives up here finds nothing later.
    if (GivesUpAt(entry.key, f)) return std::nullopt;
    const FoundFraction& v = entry.simplest;
    if (!entry.single) {
      const End at{static_cast<Wide>(v.numerator), static_cast<Wide>(v.denominator), true};
      if (!SameValue(entry.low, v)) add(entry.low, at);
      if (!SameValue(entry.high, v)) add(at, entry.high);
      if (v.denominator == 1) {
        if (2 * v.numerator < cap) pending.push_back(Pending{2 * v.numerator, v, {}, {}, true});
        continue;
      }
    }
    // A found value makes StopDenominator stop at it or at a found one before it.
    if (Judge(v.numerator, v.denominator, f) == Verdict::kFound) {
      return TryNumerator(entry.key, f);
    }
  }
  return std::nullopt;
}

}  // namespace

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

std::optional<FoundFraction> FindFraction(double f) {
  if (f > 1e-9 && f < 1e7) return SearchBand(f);
  // From 10^7 on (and for infinity) every point the walk reaches, N < 10^7 over D >= 2, is
  // too small by millions: it raises N until N has 8 digits and gives up.
  if (f >= 1e7) return std::nullopt;
  // NaN (found at once: every test on it is false), zero, negative and tiny f (which give up
  // at N = 1, so the loop is empty).
  const std::int64_t end = FirstGivingUpNumerator(f);
  for (std::int64_t n = 1; n < end; ++n) {
    if (auto found = TryNumerator(n, f)) return found;
  }
  return std::nullopt;
}

}  // namespace tabulex
