#include "tools/qt/statistics_chart.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPalette>

#include <limits>
#include <vector>

#include "tools/statistics_chart.h"

namespace tabulex {
namespace {

QImage Render(StatisticsChart& chart) {
  QImage image(chart.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  chart.render(&image);
  return image;
}

// How many pixels of column x have colour.
int PixelsInColumn(const QImage& image, int x, const QColor& colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) count += image.pixelColor(x, y) == colour ? 1 : 0;
  return count;
}

bool Contains(const QImage& image, const QColor& colour) {
  for (int x = 0; x < image.width(); ++x) {
    if (PixelsInColumn(image, x, colour) > 0) return true;
  }
  return false;
}

QPalette SkinLike(const QColor& window, const QColor& text, const QColor& highlight) {
  QPalette palette(window, window);
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Highlight, highlight);
  return palette;
}

struct SkinCase {
  const char* name;
  QColor window;
  QColor text;
  QColor highlight;
};

// The skins set the palette; a colour of the chart's own would vanish on some of them.
TEST(StatisticsChart, PaintsInThePalettesColours) {
  const SkinCase cases[] = {
      {"light", QColor(0xf0, 0xf0, 0xf0), QColor(0x10, 0x10, 0x10), QColor(0x20, 0x60, 0xc0)},
      {"dark", QColor(0x28, 0x2c, 0x34), QColor(0xe0, 0xe0, 0xe0), QColor(0xe0, 0x8c, 0x28)},
  };
  StatisticsChart chart;
  chart.resize(240, 150);
  chart.ShowChart(ChartOfSamples({0, 0, 0, 10}));
  for (const SkinCase& c : cases) {
    SCOPED_TRACE(c.name);
    // Changed on the living widget, as a change of skin does.
    chart.setPalette(SkinLike(c.window, c.text, c.highlight));
    const QImage image = Render(chart);
    EXPECT_TRUE(Contains(image, c.highlight));
    EXPECT_TRUE(Contains(image, c.text));
    for (const SkinCase& other : cases) {
      if (&other != &c) {
        EXPECT_FALSE(Contains(image, other.highlight)) << other.name;
      }
    }
  }
}

// 0 0 0 10: bins [0, 5) with three samples, [5, 10) empty, [10, 15) with one.
TEST(StatisticsChart, BarsAreAsTallAsTheirCounts) {
  const QColor highlight(0x20, 0x60, 0xc0);
  StatisticsChart chart;
  chart.resize(240, 150);
  chart.setPalette(SkinLike(Qt::white, Qt::black, highlight));
  chart.ShowChart(ChartOfSamples({0, 0, 0, 10}));
  const QImage image = Render(chart);
  const int third = image.width() / 3;
  const int first = PixelsInColumn(image, third / 2, highlight);
  const int last = PixelsInColumn(image, image.width() - third / 2, highlight);
  EXPECT_GT(first, 0);
  EXPECT_EQ(PixelsInColumn(image, image.width() / 2, highlight), 0);
  EXPECT_NEAR(first, 3 * last, 3);
}

struct ListCase {
  const char* name;  // the samples
  std::vector<double> samples;
};

// Lists whose axis has no length or whose box reaches past the largest double still draw
// their bars.
TEST(StatisticsChart, PaintsDegenerateLists) {
  constexpr double kMax = std::numeric_limits<double>::max();
  const ListCase cases[] = {
      {"7 7 7", {7, 7, 7}},
      {"max max (an infinite median)", {kMax, kMax}},
      {"1 1.5e308 1.6e308 1.7e308 (infinite median and third quartile)",
       {1, 1.5e308, 1.6e308, 1.7e308}},
      {"-max max", {-kMax, kMax}},
      {"two subnormals", {4.9e-324, 9.9e-324}},
  };
  const QColor highlight(0x20, 0x60, 0xc0);
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.name);
    StatisticsChart chart;
    chart.resize(240, 150);
    chart.setPalette(SkinLike(Qt::white, Qt::black, highlight));
    chart.ShowChart(ChartOfSamples(c.samples));
    EXPECT_TRUE(Contains(Render(chart), highlight));
  }
}

}  // namespace
}  // namespace tabulex
