#include "tools/solar_terms.h"

#include <array>
#include <cmath>
#include <numbers>
#include <span>

#include "engine/gbk_text.h"
#include "tools/lunar_date.h"

// Accuracy, measured: the 28 equinoxes and solstices of 2000 and 2020 to 2025 come out within
// 0.62 minutes of their published instants (given to the minute, so half of that is rounding);
// the December solstice of 2021, published as 23:59:09 China time, comes out at 23:59:19. The
// sun's longitude agrees with Meeus' worked example 25.b to 0.12″ (one second of arc is 24
// seconds of time). Over the years to come the error is mostly ΔT's extrapolation, some
// seconds by 2025 and perhaps a minute or two by 2099: a term that close to midnight China
// time may land on the neighbouring day.

namespace tabulex {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegreesPerRadian = 180.0 / kPi;
constexpr double kJ2000 = 2451545.0;
constexpr double kUnixEpochJulianDay = 2440587.5;
constexpr double kChinaOffsetDays = 8.0 / 24.0;

// A term of the series: amplitude (1e-8 radian or astronomical unit), phase (radian) and
// frequency (radian per Julian millennium).
struct Term {
  double amplitude;
  double phase;
  double frequency;
};

// The Earth's heliocentric longitude and radius vector of VSOP87D, truncated as in Meeus,
// "Astronomical Algorithms", 2nd ed., appendix III. The latitude (under 1″) is left out: the
// solar terms are defined by longitude alone.
constexpr Term kL0[] = {
    {175347046, 0, 0},
    {3341656, 4.6692568, 6283.0758500},
    {34894, 4.62610, 12566.15170},
    {3497, 2.7441, 5753.3849},
    {3418, 2.8289, 3.5231},
    {3136, 3.6277, 77713.7715},
    {2676, 4.4181, 7860.4194},
    {2343, 6.1352, 3930.2097},
    {1324, 0.7425, 11506.7698},
    {1273, 2.0371, 529.6910},
    {1199, 1.1096, 1577.3435},
    {990, 5.233, 5884.927},
    {902, 2.045, 26.298},
    {857, 3.508, 398.149},
    {780, 1.179, 5223.694},
    {753, 2.533, 5507.553},
    {505, 4.583, 18849.228},
    {492, 4.205, 775.523},
    {357, 2.920, 0.067},
    {317, 5.849, 11790.629},
    {284, 1.899, 796.298},
    {271, 0.315, 10977.079},
    {243, 0.345, 5486.778},
    {206, 4.806, 2544.314},
    {205, 1.869, 5573.143},
    {202, 2.458, 6069.777},
    {156, 0.833, 213.299},
    {132, 3.411, 2942.463},
    {126, 1.083, 20.775},
    {115, 0.645, 0.980},
    {103, 0.636, 4694.003},
    {102, 0.976, 15720.839},
    {102, 4.267, 7.114},
    {99, 6.21, 2146.17},
    {98, 0.68, 155.42},
    {86, 5.98, 161000.69},
    {85, 1.30, 6275.96},
    {85, 3.67, 71430.70},
    {80, 1.81, 17260.15},
    {79, 3.04, 12036.46},
    {75, 1.76, 5088.63},
    {74, 3.50, 3154.69},
    {74, 4.68, 801.82},
    {70, 0.83, 9437.76},
    {62, 3.98, 8827.39},
    {61, 1.82, 7084.90},
    {57, 2.78, 6286.60},
    {56, 4.39, 14143.50},
    {56, 3.47, 6279.55},
    {52, 0.19, 12139.55},
    {52, 1.33, 1748.02},
    {51, 0.28, 5856.48},
    {49, 0.49, 1194.45},
    {41, 5.37, 8429.24},
    {41, 2.40, 19651.05},
    {39, 6.17, 10447.39},
    {37, 6.04, 10213.29},
    {37, 2.57, 1059.38},
    {36, 1.71, 2352.87},
    {36, 1.78, 6812.77},
    {33, 0.59, 17789.85},
    {30, 0.44, 83996.85},
    {30, 2.74, 1349.87},
    {25, 3.16, 4690.48},
};
constexpr Term kL1[] = {
    {628331966747, 0, 0},       {206059, 2.678235, 6283.07585},
    {4303, 2.6351, 12566.1517}, {425, 1.590, 3.523},
    {119, 5.796, 26.298},       {109, 2.966, 1577.344},
    {93, 2.59, 18849.23},       {72, 1.14, 529.69},
    {68, 1.87, 398.15},         {67, 4.41, 5507.55},
    {59, 2.89, 5223.69},        {56, 2.17, 155.42},
    {45, 0.40, 796.30},         {36, 0.47, 775.52},
    {29, 2.65, 7.11},           {21, 5.34, 0.98},
    {19, 1.85, 5486.78},        {19, 4.97, 213.30},
    {17, 2.99, 6275.96},        {16, 0.03, 2544.31},
    {16, 1.43, 2146.17},        {15, 1.21, 10977.08},
    {12, 2.83, 1748.02},        {12, 3.26, 5088.63},
    {12, 5.27, 1194.45},        {12, 2.08, 4694.00},
    {11, 0.77, 553.57},         {10, 1.30, 6286.60},
    {10, 4.24, 1349.87},        {9, 2.70, 242.73},
    {9, 5.64, 951.72},          {8, 5.30, 2352.87},
    {6, 2.65, 9437.76},         {6, 4.67, 4690.48},
};
constexpr Term kL2[] = {
    {52919, 0, 0},     {8720, 1.0721, 6283.0758}, {309, 0.867, 12566.152}, {27, 0.05, 3.52},
    {16, 5.19, 26.30}, {16, 3.68, 155.42},        {10, 0.76, 18849.23},    {9, 2.06, 77713.77},
    {7, 0.83, 775.52}, {5, 4.66, 1577.34},        {4, 1.03, 7.11},         {4, 3.44, 5573.14},
    {3, 5.14, 796.30}, {3, 6.05, 5507.55},        {3, 1.19, 242.73},       {3, 6.12, 529.69},
    {3, 0.31, 398.15}, {3, 2.28, 553.57},         {2, 4.38, 5223.69},      {2, 3.75, 0.98},
};
constexpr Term kL3[] = {
    {289, 5.844, 6283.076}, {35, 0, 0},          {17, 5.49, 12566.15}, {3, 5.20, 155.42},
    {1, 4.72, 3.52},        {1, 5.30, 18849.23}, {1, 5.97, 242.73},
};
constexpr Term kL4[] = {{114, 3.142, 0}, {8, 4.13, 6283.08}, {1, 3.84, 12566.15}};
constexpr Term kL5[] = {{1, 3.14, 0}};

constexpr Term kR0[] = {
    {100013989, 0, 0},
    {1670700, 3.0984635, 6283.0758500},
    {13956, 3.05525, 12566.15170},
    {3084, 5.1985, 77713.7715},
    {1628, 1.1739, 5753.3849},
    {1576, 2.8469, 7860.4194},
    {925, 5.453, 11506.770},
    {542, 4.564, 3930.210},
    {472, 3.661, 5884.927},
    {346, 0.964, 5507.553},
    {329, 5.900, 5223.694},
    {307, 0.299, 5573.143},
    {243, 4.273, 11790.629},
    {212, 5.847, 1577.344},
    {186, 5.022, 10977.079},
    {175, 3.012, 18849.228},
    {110, 5.055, 5486.778},
    {98, 0.89, 6069.78},
    {86, 5.69, 15720.84},
    {86, 1.27, 161000.69},
    {65, 0.27, 17260.15},
    {63, 0.92, 529.69},
    {57, 2.01, 83996.85},
    {56, 5.24, 71430.70},
    {49, 3.25, 2544.31},
    {47, 2.58, 775.52},
    {45, 5.54, 9437.76},
    {43, 6.01, 6275.96},
    {39, 5.36, 4694.00},
    {38, 2.39, 8827.39},
    {37, 0.83, 19651.05},
    {37, 4.90, 12139.55},
    {36, 1.67, 12036.46},
    {35, 1.84, 2942.46},
    {33, 0.24, 7084.90},
    {32, 0.18, 5088.63},
    {32, 1.78, 398.15},
    {28, 1.21, 6286.60},
    {28, 1.90, 6279.55},
    {26, 4.59, 10447.39},
};
constexpr Term kR1[] = {
    {103019, 1.107490, 6283.075850},
    {1721, 1.0644, 12566.1517},
    {702, 3.142, 0},
    {32, 1.02, 18849.23},
    {31, 2.84, 5507.55},
    {25, 1.32, 5223.69},
    {18, 1.42, 1577.34},
    {10, 5.91, 10977.08},
    {9, 1.42, 6275.96},
    {9, 0.27, 5486.78},
};
constexpr Term kR2[] = {
    {4359, 5.7846, 6283.0758}, {124, 5.579, 12566.152}, {12, 3.14, 0},
    {9, 3.63, 77713.77},       {6, 1.87, 5573.14},      {3, 5.47, 18849.23},
};
constexpr Term kR3[] = {{145, 4.273, 6283.076}, {7, 3.92, 12566.15}};
constexpr Term kR4[] = {{4, 2.56, 6283.08}};

double SumSeries(std::span<const Term> terms, double millennia) {
  double sum = 0;
  for (const Term& term : terms)
    sum += term.amplitude * std::cos(term.phase + term.frequency * millennia);
  return sum;
}

// Σ series[i] × τ^i, scaled from 1e-8.
double Evaluate(std::span<const std::span<const Term>> series, double millennia) {
  double sum = 0;
  double power = 1;
  for (const std::span<const Term> terms : series) {
    sum += SumSeries(terms, millennia) * power;
    power *= millennia;
  }
  return sum * 1e-8;
}

double NormalisedDegrees(double degrees) {
  const double reduced = std::fmod(degrees, 360.0);
  return reduced < 0 ? reduced + 360.0 : reduced;
}

double Radians(double degrees) {
  return degrees / kDegreesPerRadian;
}

// Nutation in longitude in seconds of arc, from the four largest terms (within 0.5″).
double NutationInLongitude(double centuries) {
  const double moonNode = Radians(125.04452 - 1934.136261 * centuries);
  const double sunMean = Radians(280.4665 + 36000.7698 * centuries);
  const double moonMean = Radians(218.3165 + 481267.8813 * centuries);
  return -17.20 * std::sin(moonNode) - 1.32 * std::sin(2 * sunMean) -
         0.23 * std::sin(2 * moonMean) + 0.21 * std::sin(2 * moonNode);
}

double JulianDayOf(const CivilDate& date) {
  return static_cast<double>(DayNumber(date)) + kUnixEpochJulianDay;
}

double DecimalYearOf(double julianDay) {
  return 2000.0 + (julianDay - kJ2000) / 365.25;
}

// The Julian Ephemeris Day of a moment given in UT.
double EphemerisDayOf(double julianDay) {
  return julianDay + DeltaTSeconds(DecimalYearOf(julianDay)) / 86400.0;
}

// The years the terms are given for: those of the lunar calendar.
bool InTermRange(const CivilDate& date) {
  return date >= kFirstLunarDay && date <= kLastLunarDay;
}

}  // namespace

std::string SolarTermName(int index) {
  constexpr std::array<const char*, kSolarTermCount> kNames{
      "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至", "小暑",
      "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬",
      "小雪", "大雪", "冬至", "小寒", "大寒", "立春", "雨水", "惊蛰"};
  return Utf8ToGbk(kNames[static_cast<std::size_t>(index)]);
}

double SunApparentLongitude(double julianEphemerisDay) {
  const double millennia = (julianEphemerisDay - kJ2000) / 365250.0;
  const double centuries = millennia * 10.0;
  const std::array<std::span<const Term>, 6> longitudeSeries{kL0, kL1, kL2, kL3, kL4, kL5};
  const std::array<std::span<const Term>, 5> radiusSeries{kR0, kR1, kR2, kR3, kR4};
  const double earthLongitude = Evaluate(longitudeSeries, millennia);
  const double radius = Evaluate(radiusSeries, millennia);
  // The sun seen from the Earth, then to the FK5 frame, the true equinox of date (nutation)
  // and where the sun appears after its light's travel time (aberration).
  const double geometric = earthLongitude * kDegreesPerRadian + 180.0;
  const double seconds = -0.09033 + NutationInLongitude(centuries) - 20.4898 / radius;
  return NormalisedDegrees(geometric + seconds / 3600.0);
}

// Espenak and Meeus' polynomials (the NASA eclipse pages), fitted to observations up to 2005
// and extrapolated after it.
double DeltaTSeconds(double y) {
  if (y < 1860) {
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u;
  }
  if (y < 1900) {
    const double t = y - 1860;
    return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t -
           0.0004473624 * std::pow(t, 4) + std::pow(t, 5) / 233174;
  }
  if (y < 1920) {
    const double t = y - 1900;
    return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t -
           0.000197 * std::pow(t, 4);
  }
  if (y < 1941) {
    const double t = y - 1920;
    return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
  }
  if (y < 1961) {
    const double t = y - 1950;
    return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
  }
  if (y < 1986) {
    const double t = y - 1975;
    return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
  }
  if (y < 2005) {
    const double t = y - 2000;
    return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t +
           0.000651814 * std::pow(t, 4) + 0.00002373599 * std::pow(t, 5);
  }
  if (y < 2050) {
    const double t = y - 2000;
    return 62.92 + 0.32217 * t + 0.005589 * t * t;
  }
  if (y < 2150) {
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
  }
  const double u = (y - 1820) / 100;
  return -20 + 32 * u * u;
}

double SolarTermMoment(int year, int index) {
  const double target = index * 15.0;
  // The sun stands near 280° on January 1st and moves about 360° in 365.24 days.
  double julianEphemerisDay =
      JulianDayOf(CivilDate{year, 1, 1}) + NormalisedDegrees(target - 280.0) * 365.2422 / 360.0;
  // Newton's step with the sun's mean motion as the derivative; it converges in four or five.
  for (int step = 0; step < 20; ++step) {
    double error = target - SunApparentLongitude(julianEphemerisDay);
    error -= 360.0 * std::round(error / 360.0);
    julianEphemerisDay += error * 365.2422 / 360.0;
    if (std::abs(error) < 1e-9) break;
  }
  // TT to UT: ΔT changes by far less than a second over the step, so one pass is enough.
  return julianEphemerisDay - DeltaTSeconds(DecimalYearOf(julianEphemerisDay)) / 86400.0;
}

CivilDate SolarTermDate(int year, int index) {
  const double chinaDay = SolarTermMoment(year, index) + kChinaOffsetDays - kUnixEpochJulianDay;
  return DateFromDayNumber(static_cast<std::int64_t>(std::floor(chinaDay)));
}

std::optional<int> SolarTermOn(const CivilDate& date) {
  if (!InTermRange(date)) return std::nullopt;
  // The sun moves about 1° a day, so at most one multiple of 15° lies between the longitudes
  // at the day's two midnights in China.
  const double start = JulianDayOf(date) - kChinaOffsetDays;
  const auto sector = [](double julianDay) {
    return static_cast<int>(std::floor(SunApparentLongitude(EphemerisDayOf(julianDay)) / 15.0));
  };
  const int before = sector(start);
  const int after = sector(start + 1.0);
  if (before == after) return std::nullopt;
  return after;
}

}  // namespace tabulex
