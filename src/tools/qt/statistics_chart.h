// StatisticsChart: the statistics tab's chart under the figures: a histogram of the samples
// with the first and last bin edge under it, and a horizontal box plot on the same axis below.
// Painted in the palette's colours, which the skins set, so it follows every skin.
#pragma once

#include <QWidget>

#include <optional>

#include "tools/statistics_chart.h"

namespace tabulex {

class StatisticsChart final : public QWidget {
  Q_OBJECT

 public:
  explicit StatisticsChart(QWidget* parent = nullptr);

  // Draws chart, or hides the widget when there is none (fewer than two samples).
  void ShowChart(std::optional<SampleChart> chart);
  const std::optional<SampleChart>& chart() const { return m_chart; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<SampleChart> m_chart{};
};

}  // namespace tabulex
