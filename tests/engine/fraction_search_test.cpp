// FindFraction against the stepping search it replaces: fractional parts as results produce
// them (rationals written with 13 significant digits, with and without whole parts), their
// neighbours a few units in the last place away and across the 10^-12 band, values at the
// digit limits and near 10^-7, and random doubles. The stepping search needs up to 10^7 steps
// per value, so the default run compares a sample; TABULEX_FRACTION_DIFF_COUNT=1000000 runs
// the full comparison (minutes).
#include "engine/fraction_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "engine/number_text.h"

namespace tabulex {
namespace {

using Rng = std::mt19937_64;

std::int64_t Uniform(Rng& rng, std::int64_t low, std::int64_t high) {
  return std::uniform_int_distribution<std::int64_t>(low, high)(rng);
}

double Real(Rng& rng, double low, double high) {
  return std::uniform_real_distribution<double>(low, high)(rng);
}

std::int64_t PowerOfTen(int exponent) {
  std::int64_t value = 1;
  while (exponent-- > 0) value *= 10;
  return value;
}

// A whole part with the given number of digits (0 digits: no whole part).
std::int64_t WholePart(Rng& rng, int digits) {
  if (digits == 0) return 0;
  return Uniform(rng, PowerOfTen(digits - 1), PowerOfTen(digits) - 1);
}

// The f the search receives for a result w + x: the result goes through its 13-digit text.
double FractionalPartOfResult(std::int64_t whole, double x) {
  const double a = TextToNumber(NumberToText(static_cast<double>(whole) + x));
  return a - std::trunc(a);
}

bool Searchable(double f) {
  return f > 1e-7 && f < 1.0;
}

double StepUlps(double f, int ulps) {
  const double toward = ulps > 0 ? 2.0 : -1.0;
  for (int i = 0; i < std::abs(ulps); ++i) f = std::nextafter(f, toward);
  return f;
}

// A rational p/q (q up to 20000) as the search meets it: mostly through the 13-digit text
// of a result with a whole part of 0 to 8 digits, sometimes as the plain double p/q.
double RationalResult(Rng& rng) {
  const std::int64_t q = Uniform(rng, 2, 20000);
  const std::int64_t p = Uniform(rng, 1, q - 1);
  const double x = static_cast<double>(p) / static_cast<double>(q);
  if (Uniform(rng, 0, 9) == 0) return x;
  return FractionalPartOfResult(WholePart(rng, static_cast<int>(Uniform(rng, 0, 8))), x);
}

// Thirds and sevenths, the classic repeating decimals, at 13 digits.
double ThirdOrSeventh(Rng& rng) {
  const std::int64_t q = Uniform(rng, 0, 1) == 0 ? 3 : 7;
  const double x = static_cast<double>(Uniform(rng, 1, q - 1)) / static_cast<double>(q);
  return FractionalPartOfResult(WholePart(rng, static_cast<int>(Uniform(rng, 0, 8))), x);
}

// A rational near the edges of the found band or a few units in the last place away.
double PerturbedRational(Rng& rng) {
  const double f = Uniform(rng, 0, 1) == 0 ? RationalResult(rng) : ThirdOrSeventh(rng);
  const double sign = Uniform(rng, 0, 1) == 0 ? -1.0 : 1.0;
  switch (Uniform(rng, 0, 3)) {
    case 0:
      return StepUlps(f, static_cast<int>(sign) * static_cast<int>(Uniform(rng, 1, 8)));
    case 1: {
      // The found test is |gap| < 1 - 10^-7 in units of 10^-12; aim right at that edge.
      static constexpr double kEdges[] = {0.9999998e-12, 0.9999999e-12, 1e-12, 1.0000001e-12};
      const double edge = kEdges[Uniform(rng, 0, 3)];
      return StepUlps(f + sign * edge, static_cast<int>(Uniform(rng, -4, 4)));
    }
    case 2:
      return f + sign * std::pow(10.0, Real(rng, -13.0, -11.0));
    default:
      // The same, as a 13-digit text would carry it.
      return FractionalPartOfResult(0, f + sign * std::pow(10.0, Real(rng, -13.0, -11.0)));
  }
}

// A small p/q at the edge of the found band (|gap| in units of 10^-12 from 1 - 10^-7 to
// 1.001): mostly a near miss that the walk passes over before it goes on or gives up.
double NearMissAmongDenseFractions(Rng& rng) {
  const std::int64_t q = Uniform(rng, 100, 100000);
  const std::int64_t p = Uniform(rng, 1, std::max<std::int64_t>(1, q / 100));
  const double x = static_cast<double>(p) / static_cast<double>(q);
  const double f = Uniform(rng, 0, 1) == 0 ? x : FractionalPartOfResult(0, x);
  static constexpr double kMisses[] = {0.9999999e-12, 1e-12, 1.0000001e-12, 1.0001e-12, 1.0009e-12};
  const double sign = Uniform(rng, 0, 1) == 0 ? -1.0 : 1.0;
  return StepUlps(f + sign * kMisses[Uniform(rng, 0, 4)], static_cast<int>(Uniform(rng, -2, 2)));
}

// Near misses next to a later fraction: 1/q, 2/q or 3/q with q near 10^6 are about 10^-12
// apart from their neighbours, so a near miss at the first is often followed by a find a few
// numerators on. The walk takes millions of steps here.
double NearMissThenFound(Rng& rng) {
  const std::int64_t q = Uniform(rng, 300000, 3000000);
  const double x = static_cast<double>(Uniform(rng, 1, 3)) / static_cast<double>(q);
  static constexpr double kMisses[] = {0.9999999e-12, 1e-12, 1.0000001e-12, 1.0001e-12};
  const double sign = Uniform(rng, 0, 1) == 0 ? -1.0 : 1.0;
  return StepUlps(x + sign * kMisses[Uniform(rng, 0, 3)], static_cast<int>(Uniform(rng, -2, 2)));
}

// p/q with q near a power of ten and p as long as p < q allows for the digits of both to
// number 8 (the longest fraction allowed) or 9 (one too many). The stepping search walks up
// to q, so q stays below 10^6.
double AtDigitLimit(Rng& rng) {
  const int qDigits = static_cast<int>(Uniform(rng, 2, 6));
  const std::int64_t edge = PowerOfTen(Uniform(rng, 0, 1) == 0 ? qDigits - 1 : qDigits);
  const std::int64_t q =
      std::clamp(edge + Uniform(rng, -30, 30), PowerOfTen(qDigits - 1), PowerOfTen(qDigits) - 1);
  const int pDigits = std::min(qDigits, static_cast<int>(8 + Uniform(rng, 0, 1)) - qDigits);
  const std::int64_t p =
      Uniform(rng, PowerOfTen(pDigits - 1), std::min(PowerOfTen(pDigits), q) - 1);
  const double f = FractionalPartOfResult(0, static_cast<double>(p) / static_cast<double>(q));
  return Uniform(rng, 0, 2) == 0 ? StepUlps(f, static_cast<int>(Uniform(rng, -3, 3))) : f;
}

// Just above the tolerance, where the walk takes millions of steps in D.
double NearTolerance(Rng& rng) {
  if (Uniform(rng, 0, 1) == 0) {
    return FractionalPartOfResult(WholePart(rng, static_cast<int>(Uniform(rng, 1, 8))),
                                  static_cast<double>(Uniform(rng, 1, 9)) * 1e-7);
  }
  return FractionalPartOfResult(0, std::pow(10.0, Real(rng, -7.0, -5.5)));
}

// Just below 1, where 1/1 lies in or near the band but the walk, starting at D = 2, can only
// meet it as 2/2, 3/3, ...
double NearOne(Rng& rng) {
  const double x = 1.0 - std::pow(10.0, Real(rng, -13.0, -10.5));
  if (Uniform(rng, 0, 1) == 0) return StepUlps(x, static_cast<int>(Uniform(rng, -4, 4)));
  return FractionalPartOfResult(WholePart(rng, static_cast<int>(Uniform(rng, 0, 3))), x);
}

// Values callers never pass (f of 1 and more, up to 100), which the walk handles all the same.
double AboveOne(Rng& rng) {
  if (Uniform(rng, 0, 1) == 0) return std::pow(10.0, Real(rng, 0.0, 2.0));
  const std::int64_t q = Uniform(rng, 1, 1000);
  const double x = static_cast<double>(Uniform(rng, q, 100 * q)) / static_cast<double>(q);
  return StepUlps(TextToNumber(NumberToText(x)), static_cast<int>(Uniform(rng, -2, 2)));
}

double UniformDouble(Rng& rng) {
  return Real(rng, 1e-7, 1.0);
}

double LogUniformDouble(Rng& rng) {
  return std::pow(10.0, Real(rng, -5.0, 0.0));
}

struct Category {
  const char* name;
  double share;           // of the requested count
  std::int64_t maxCount;  // for the categories the stepping search is slow on
  std::function<double(Rng&)> make;
  bool usualRange = true;  // 1e-7 < f < 1, as results produce
};

struct Input {
  double f;
  const char* category;
};

std::vector<Input> Inputs(std::int64_t count) {
  constexpr auto kNoLimit = std::numeric_limits<std::int64_t>::max();
  const Category categories[] = {
      {"rationals", 0.30, kNoLimit, RationalResult},
      {"perturbed", 0.30, kNoLimit, PerturbedRational},
      {"thirds and sevenths", 0.05, kNoLimit, ThirdOrSeventh},
      {"digit limits", 0.02, 20000, AtDigitLimit},
      {"near 1e-7", 0.0003, 300, NearTolerance},
      {"near misses", 0.02, 20000, NearMissAmongDenseFractions},
      {"near misses, then found", 0.001, 2000, NearMissThenFound},
      {"log-uniform", 0.02, 20000, LogUniformDouble},
      {"near 1", 0.01, kNoLimit, NearOne},
      {"above 1", 0.005, 5000, AboveOne, false},
  };
  Rng rng(20240611);
  std::vector<Input> inputs;
  inputs.reserve(static_cast<std::size_t>(count));
  for (const double f : {0.0000002, 0.0000001000001, 0.3333333333333, 0.6666666666667,
                         0.1428571428571, 0.414213562373, 0.9999999999999, 0.0001}) {
    inputs.push_back({f, "worked values"});
  }
  for (const Category& category : categories) {
    const auto wanted = std::min(
        category.maxCount, static_cast<std::int64_t>(category.share * static_cast<double>(count)));
    for (std::int64_t i = 0; i < wanted;) {
      const double f = category.make(rng);
      if (category.usualRange && !Searchable(f)) continue;
      inputs.push_back({f, category.name});
      ++i;
    }
  }
  while (static_cast<std::int64_t>(inputs.size()) < count) {
    inputs.push_back({UniformDouble(rng), "uniform"});
  }
  // Mixed, so that the slow inputs spread over the threads.
  std::shuffle(inputs.begin(), inputs.end(), rng);
  return inputs;
}

std::string Describe(const std::optional<FoundFraction>& found) {
  if (!found) return "gives up";
  return std::to_string(found->numerator) + "/" + std::to_string(found->denominator);
}

bool Same(const std::optional<FoundFraction>& a, const std::optional<FoundFraction>& b) {
  if (a.has_value() != b.has_value()) return false;
  return !a || (a->numerator == b->numerator && a->denominator == b->denominator);
}

// Compares both searches on every input over all cores; returns the mismatches, described.
std::vector<std::string> Mismatches(const std::vector<Input>& inputs) {
  std::vector<std::string> mismatches;
  std::mutex lock;
  std::atomic<std::size_t> next{0};
  constexpr std::size_t kChunk = 16;
  const auto work = [&] {
    for (;;) {
      const std::size_t i = next.fetch_add(kChunk);
      if (i >= inputs.size()) return;
      for (std::size_t j = i; j < std::min(i + kChunk, inputs.size()); ++j) {
        const double f = inputs[j].f;
        const auto expected = SteppingFractionSearch(f);
        const auto actual = FindFraction(f);
        if (Same(expected, actual)) continue;
        char text[64];
        std::snprintf(text, sizeof text, "%.17g (%a)", f, f);
        const std::lock_guard<std::mutex> guard(lock);
        mismatches.push_back(std::string(text) + " (" + inputs[j].category + "): stepping " +
                             Describe(expected) + ", fast " + Describe(actual));
      }
    }
  };
  const unsigned threads = std::max(2u, std::thread::hardware_concurrency());
  std::vector<std::thread> pool;
  for (unsigned t = 0; t < threads; ++t) pool.emplace_back(work);
  for (auto& thread : pool) thread.join();
  return mismatches;
}

std::int64_t RequestedCount() {
  if (const char* text = std::getenv("TABULEX_FRACTION_DIFF_COUNT")) {
    const long long count = std::strtoll(text, nullptr, 10);
    if (count > 0) return count;
  }
  return 30000;
}

TEST(FindFraction, ReturnsWhatTheSteppingSearchReturns) {
  const std::vector<Input> inputs = Inputs(RequestedCount());
  const std::vector<std::string> mismatches = Mismatches(inputs);
  std::printf("compared %zu values, %zu mismatches\n", inputs.size(), mismatches.size());
  for (std::size_t i = 0; i < std::min<std::size_t>(mismatches.size(), 20); ++i) {
    ADD_FAILURE() << mismatches[i];
  }
}

TEST(FractionSearch, WorkedValues) {
  const struct {
    double f;
    std::int64_t n;  // 0: gives up
    std::int64_t d;
  } rows[] = {
      {0.5, 1, 2},
      {0.75, 3, 4},
      {0.3333333333333, 1, 3},
      {0.1428571428571, 1, 7},
      {0.0001, 1, 10000},
      {0.0000002, 1, 4999976},
      {0.9999999999999, 2, 2},  // 1/2 is too small, then 2/2 lies within 10^-12
      {0.414213562373, 0, 0},
      {0.1234567, 0, 0},  // 1234567/10000000 needs 15 digits
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.f);
    // Both searches, so the worked values pin the definition as well as the fast one.
    for (const auto& found : {FindFraction(row.f), SteppingFractionSearch(row.f)}) {
      if (row.n == 0) {
        EXPECT_FALSE(found) << Describe(found);
        continue;
      }
      ASSERT_TRUE(found);
      EXPECT_EQ(found->numerator, row.n);
      EXPECT_EQ(found->denominator, row.d);
    }
  }
}

// Inputs the callers never pass still follow the walk: it must not hang, overflow or differ.
TEST(FindFraction, MatchesTheSteppingSearchOutsideTheUsualRange) {
  const double infinity = std::numeric_limits<double>::infinity();
  const double values[] = {std::nan(""), 0.0,        -0.0,      -0.5,
                           -infinity,    infinity,   1e300,     5e-324,
                           1e-8,         0.99999e-7, 1e-7,      1.0000001e-7,
                           1.0,          1.5,        2.75,      3.3333333333333,
                           1234.5678,    99999.99,   1e7 + 0.5, 0.99999999999999989};
  for (const double f : values) {
    SCOPED_TRACE(f);
    EXPECT_EQ(Describe(FindFraction(f)), Describe(SteppingFractionSearch(f)));
  }
}

}  // namespace
}  // namespace tabulex
