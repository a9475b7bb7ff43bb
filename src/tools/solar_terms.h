// The 24 solar terms (节气): the day, in China time (UTC+8), on which the sun's apparent
// ecliptic longitude reaches a multiple of 15°. ICU keeps its solar terms to itself, so they are
// computed here from the sun's position.
#pragma once

#include <optional>
#include <string>

#include "tools/civil_date.h"

namespace tabulex {

// A term by its longitude: index k is the sun at k × 15°, so 0 is 春分, 6 夏至, 12 秋分,
// 18 冬至, 21 立春.
constexpr int kSolarTermCount = 24;

// "春分" … "惊蛰" (GBK).
std::string SolarTermName(int index);

// The term that falls on date (China time), for the years of the lunar calendar (1901 to
// 2099); nothing on the other days of the year and outside those years.
std::optional<int> SolarTermOn(const CivilDate& date);

// The moment of term index in the Gregorian year (UT, as a Julian day) and its day in China.
double SolarTermMoment(int year, int index);
CivilDate SolarTermDate(int year, int index);

// The sun's apparent geocentric ecliptic longitude in degrees [0, 360) at a Julian Ephemeris
// Day (Terrestrial Time): VSOP87 truncated as Meeus gives it, the FK5 correction, nutation in
// longitude and aberration.
double SunApparentLongitude(double julianEphemerisDay);

// ΔT = TT − UT in seconds for a decimal year.
double DeltaTSeconds(double decimalYear);

}  // namespace tabulex
