#include "window/skin_colours.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace tabulex {
namespace {

struct Hue {
  double degrees;
  double saturation;  // of the accent; the large surfaces take a fraction of it
};

// Skin 8, the default, is the light steel blue: calm enough to live with all day.
constexpr Hue kHues[] = {
    {186, 0.55},  // teal
    {152, 0.45},  // jade
    {105, 0.35},  // sage
    {68, 0.45},   // olive
    {40, 0.75},   // amber
    {16, 0.60},   // terracotta
    {345, 0.55},  // rose
    {212, 0.60},  // steel blue
    {238, 0.45},  // indigo
    {282, 0.40},  // plum
    {215, 0.12},  // graphite
};
constexpr int kHueCount = static_cast<int>(std::size(kHues));
static_assert(kHueCount * 3 == kSkinCount);

// Lightness, and the share of the hue's saturation, of each surface in one tone.
struct Tone {
  double window, windowSat;
  double button, buttonSat;
  double base, baseSat;
  double text, textSat;
  double accent;
  double border, borderSat;
  bool dark;
};

constexpr Tone kTones[] = {
    {0.94, 0.35, 0.97, 0.30, 0.995, 0.20, 0.13, 0.30, 0.42, 0.74, 0.35, false},  // light
    {0.84, 0.45, 0.90, 0.40, 0.97, 0.25, 0.10, 0.35, 0.36, 0.60, 0.40, false},   // soft
    {0.17, 0.25, 0.25, 0.25, 0.12, 0.20, 0.91, 0.15, 0.64, 0.36, 0.25, true},    // dark
};

std::uint32_t Hsl(double degrees, double saturation, double lightness) {
  const double chroma = (1 - std::abs(2 * lightness - 1)) * saturation;
  const double sector = degrees / 60;
  const double second = chroma * (1 - std::abs(std::fmod(sector, 2) - 1));
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(sector) % 6) {
    case 0:
      r = chroma, g = second;
      break;
    case 1:
      r = second, g = chroma;
      break;
    case 2:
      g = chroma, b = second;
      break;
    case 3:
      g = second, b = chroma;
      break;
    case 4:
      r = second, b = chroma;
      break;
    default:
      r = chroma, b = second;
      break;
  }
  const double m = lightness - chroma / 2;
  const auto channel = [m](double value) {
    return static_cast<std::uint32_t>(std::clamp(std::lround((value + m) * 255), 0L, 255L));
  };
  return channel(r) << 16 | channel(g) << 8 | channel(b);
}

double Luminance(std::uint32_t rgb) {
  const auto linear = [](std::uint32_t channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(rgb >> 16 & 0xFF) + 0.7152 * linear(rgb >> 8 & 0xFF) +
         0.0722 * linear(rgb & 0xFF);
}

}  // namespace

std::optional<SkinColours> SkinColoursOf(std::int32_t skinNumber) {
  if (skinNumber < 1 || skinNumber > kSkinCount) return std::nullopt;
  const Hue& hue = kHues[(skinNumber - 1) % kHueCount];
  const Tone& tone = kTones[(skinNumber - 1) / kHueCount];
  const auto surface = [&hue](double lightness, double share) {
    return Hsl(hue.degrees, hue.saturation * share, lightness);
  };
  SkinColours colours;
  colours.window = surface(tone.window, tone.windowSat);
  colours.button = surface(tone.button, tone.buttonSat);
  colours.base = surface(tone.base, tone.baseSat);
  colours.text = surface(tone.text, tone.textSat);
  colours.accent = surface(tone.accent, 1);
  colours.border = surface(tone.border, tone.borderSat);
  colours.dark = tone.dark;
  // Bright hues (amber, olive) need dark text on their accent, deep ones white.
  const double accent = Luminance(colours.accent);
  colours.accentText = (1.05 / (accent + 0.05) >= (accent + 0.05) / 0.05) ? 0xFFFFFF : 0x000000;
  return colours;
}

}  // namespace tabulex
