#include "tools/qt/statistics_chart.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/number_text.h"

namespace tabulex {
namespace {

constexpr double kMargin = 4;
constexpr double kGap = 3;

// Where value falls between low and high, 0 to 1. Halves keep the difference of two doubles
// near the largest from overflowing; a value off the axis (an infinite median of two huge
// samples) sits at its end.
double Share(double value, double low, double high) {
  if (!(high > low)) return 0.5;
  const double share = (value / 2 - low / 2) / (high / 2 - low / 2);
  return std::isnan(share) ? 0.5 : std::clamp(share, 0.0, 1.0);
}

QString EdgeLabel(double edge) {
  return QString::fromStdString(NumberToText(edge));
}

}  // namespace

StatisticsChart::StatisticsChart(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
  hide();
}

void StatisticsChart::ShowChart(std::optional<SampleChart> chart) {
  m_chart = std::move(chart);
  setVisible(m_chart.has_value());
  update();
}

QSize StatisticsChart::sizeHint() const {
  return {240, 150};
}

QSize StatisticsChart::minimumSizeHint() const {
  return {120, 90};
}

void StatisticsChart::paintEvent(QPaintEvent* /*event*/) {
  if (!m_chart) return;
  const HistogramBins& histogram = m_chart->histogram;
  const FiveNumberSummary& summary = m_chart->summary;
  const QPalette& colours = palette();
  const QFontMetricsF metrics(font());
  QPainter painter(this);

  // From the bottom up: the box plot, the edge labels, the axis, the bars.
  const QRectF area = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
  const double boxHeight = std::clamp(area.height() * 0.2, 12.0, 28.0);
  const QRectF boxRow(area.left(), area.bottom() - boxHeight, area.width(), boxHeight);
  const QRectF labelRow(area.left(), boxRow.top() - kGap - metrics.height(), area.width(),
                        metrics.height());
  const double axisY = labelRow.top() - 1;
  const double barsHeight = std::max(0.0, axisY - area.top());

  const double low = histogram.edges.front();
  const double high = histogram.edges.back();
  const auto x = [&](double value) { return area.left() + area.width() * Share(value, low, high); };

  // The bars: a pixel of the background between neighbours, where they are wide enough.
  const std::size_t tallest = *std::max_element(histogram.counts.begin(), histogram.counts.end());
  painter.setPen(Qt::NoPen);
  painter.setBrush(colours.color(QPalette::Highlight));
  for (std::size_t i = 0; i < histogram.counts.size(); ++i) {
    if (histogram.counts[i] == 0) continue;
    // Equal samples: one bar over the whole axis.
    const double left = low == high ? area.left() : x(histogram.edges[i]);
    const double right = low == high ? area.right() : x(histogram.edges[i + 1]);
    const double height =
        barsHeight * static_cast<double>(histogram.counts[i]) / static_cast<double>(tallest);
    const double seam = right - left > 3 ? 1 : 0;
    painter.drawRect(QRectF(left, axisY - height, right - left - seam, height));
  }

  const QColor ink = colours.color(QPalette::WindowText);
  painter.setPen(QPen(ink, 1));
  painter.drawLine(QPointF(area.left(), axisY), QPointF(area.right(), axisY));
  if (low == high) {
    painter.drawText(labelRow, Qt::AlignHCenter | Qt::AlignTop, EdgeLabel(low));
  } else {
    const double half = labelRow.width() / 2;
    const QRectF leftHalf(labelRow.left(), labelRow.top(), half, labelRow.height());
    const QRectF rightHalf(labelRow.left() + half, labelRow.top(), half, labelRow.height());
    painter.drawText(leftHalf, Qt::AlignLeft | Qt::AlignTop,
                     metrics.elidedText(EdgeLabel(low), Qt::ElideRight, half - kGap));
    painter.drawText(rightHalf, Qt::AlignRight | Qt::AlignTop,
                     metrics.elidedText(EdgeLabel(high), Qt::ElideRight, half - kGap));
  }

  // The box plot: whiskers from the extremes to the quartiles, the box between the
  // quartiles, a bold line at the median.
  const double middle = boxRow.center().y();
  const double tick = boxRow.height() / 4;
  const double q1 = x(summary.lowerQuartile);
  const double q3 = x(summary.upperQuartile);
  painter.drawLine(QPointF(x(summary.minimum), middle), QPointF(q1, middle));
  painter.drawLine(QPointF(q3, middle), QPointF(x(summary.maximum), middle));
  painter.drawLine(QPointF(x(summary.minimum), middle - tick),
                   QPointF(x(summary.minimum), middle + tick));
  painter.drawLine(QPointF(x(summary.maximum), middle - tick),
                   QPointF(x(summary.maximum), middle + tick));
  QColor fill = colours.color(QPalette::Highlight);
  fill.setAlphaF(0.35);
  painter.setBrush(fill);
  painter.drawRect(QRectF(q1, boxRow.top() + 1, q3 - q1, boxRow.height() - 2));
  painter.setPen(QPen(ink, 2));
  painter.drawLine(QPointF(x(summary.median), boxRow.top() + 1),
                   QPointF(x(summary.median), boxRow.bottom() - 1));
}

}  // namespace tabulex
