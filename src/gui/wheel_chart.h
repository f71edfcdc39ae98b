#pragma once

#include <QChartView>
#include <map>

#include "core/colour.h"

class QBarCategoryAxis;
class QBarSet;
class QLineSeries;
class QStackedBarSeries;
class QValueAxis;
class StatisticsForm;

// The statistics window's chart: each pocket's count in wheel order, a bar in the
// pocket's colour, with the mean of the five-pocket sector around it and the count a
// fair wheel expects.
class WheelChart : public QChartView {
 public:
  WheelChart();
  // Draws the wheel figures of the window record.
  void draw(const StatisticsForm& s);

 protected:
  void drawForeground(QPainter* painter, const QRectF& rect) override;

 private:
  // One stacked set per pocket colour, so that every bar takes its pocket's colour.
  std::map<std::int32_t, QBarSet*> sets_;
  QStackedBarSeries* bars_;
  QLineSeries* sector_;
  QLineSeries* expected_;
  QBarCategoryAxis* pockets_;
  QValueAxis* counts_;
  // The pocket names in wheel order, written under the bars.
  QStringList names_;
  // The count axis's top before it was rounded to a nice number.
  double top_ = -1;
};
