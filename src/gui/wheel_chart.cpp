#include "gui/wheel_chart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QLegendMarker>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>

#include "core/number_index.h"
#include "core/numeric.h"
#include "stats/wheel_order.h"
#include "windows/statistics_form.h"

namespace {

// Below the plot: the pocket names, in a font a little smaller than the window's.
constexpr int NameRoom = 18;
constexpr double NameScale = 0.8;

}  // namespace

WheelChart::WheelChart()
    : bars_(new QStackedBarSeries),
      sector_(new QLineSeries),
      expected_(new QLineSeries),
      pockets_(new QBarCategoryAxis),
      counts_(new QValueAxis) {
  auto* chart = new QChart;
  chart->setTitle(QString::fromUtf8("ホイール順の出目 (0 から)"));
  chart->setBackgroundRoundness(0);
  for (int colourClass : {RedClass, BlackClass, ZeroClass, DoubleZeroClass}) {
    const Colour colour = DarkColour(colourClass);
    auto* set = new QBarSet(QString());
    set->setColor(QColor::fromRgb(static_cast<QRgb>(colour.value)));
    set->setBorderColor(Qt::transparent);
    bars_->append(set);
    sets_[colour.value] = set;
  }
  bars_->setBarWidth(0.8);
  sector_->setName(QString::fromUtf8("%1ポケットのセクター平均").arg(SectorWidth));
  sector_->setPen(QPen(QColor(0xE0, 0x80, 0x00), 2));
  expected_->setName(QString::fromUtf8("公平なホイールの期待値"));
  expected_->setPen(QPen(QColor(0x00, 0x60, 0xC0), 1.5, Qt::DashLine));
  chart->addSeries(bars_);
  chart->addSeries(sector_);
  chart->addSeries(expected_);
  chart->addAxis(pockets_, Qt::AlignBottom);
  chart->addAxis(counts_, Qt::AlignLeft);
  for (QAbstractSeries* s : std::initializer_list<QAbstractSeries*>{bars_, sector_, expected_}) {
    s->attachAxis(pockets_);
    s->attachAxis(counts_);
  }
  counts_->setLabelFormat("%d");
  // The axis would shorten 38 pocket names to ellipses; drawForeground writes them under
  // their bars instead, in the room the bottom margin leaves.
  pockets_->setLabelsVisible(false);
  chart->setMargins(QMargins(4, 4, 4, NameRoom));
  // The legend names the two lines; the bars' colours speak for themselves.
  for (QLegendMarker* marker : chart->legend()->markers(bars_)) marker->setVisible(false);
  chart->legend()->setAlignment(Qt::AlignTop);
  setChart(chart);
  setRenderHint(QPainter::Antialiasing);
}

void WheelChart::draw(const StatisticsForm& s) {
  QStringList names;
  std::map<std::int32_t, QList<qreal>> values;
  for (auto& [colour, set] : sets_) values[colour];
  QList<QPointF> sector;
  double highest = 0;
  for (int w = 1; w <= 38 && s.Wheel_Pocket(w).visible(); ++w) {
    const double count = Val(s.Wheel_Count(w).text());
    const double mean = Val(s.Wheel_Sector(w).text()) / SectorWidth;
    for (auto& [colour, list] : values)
      list.append(colour == s.Wheel_Pocket(w).back().value ? count : 0);
    names.append(QString::fromStdString(s.Wheel_Pocket(w).caption()));
    sector.append(QPointF(w - 1, mean));
    highest = std::max(highest, count);
  }
  // A new wheel (the 00 switch) lays the chart out anew; otherwise only the bars whose
  // count changed are touched, which keeps a redraw after a spin cheap.
  if (names != names_) {
    for (auto& [colour, set] : sets_) {
      set->remove(0, set->count());
      set->append(values[colour]);
    }
    pockets_->setCategories(names);
    names_ = names;
  } else {
    for (auto& [colour, set] : sets_) {
      const QList<qreal>& list = values[colour];
      for (qsizetype i = 0; i < list.size(); ++i)
        if (set->at(i) != list[i]) set->replace(i, list[i]);
    }
  }
  const double expected = Val(s.Expected.text());
  sector_->replace(sector);
  expected_->replace({QPointF(-0.5, expected), QPointF(names.size() - 0.5, expected)});
  const double top = std::max(5.0, std::max(highest, expected) * 1.15);
  if (top != top_) {
    top_ = top;
    counts_->setRange(0, top);
    counts_->applyNiceNumbers();
  }
  viewport()->update();
}

void WheelChart::drawForeground(QPainter* painter, const QRectF& rect) {
  QChartView::drawForeground(painter, rect);
  QChart* c = chart();
  const QRectF plot = c->mapRectToScene(c->plotArea());
  const qreal width = plot.width() / std::max<qsizetype>(1, names_.size());
  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * NameScale);
  painter->save();
  painter->setFont(small);
  painter->setPen(palette().color(QPalette::WindowText));
  for (qsizetype i = 0; i < names_.size(); ++i)
    painter->drawText(QRectF(plot.left() + i * width, plot.bottom() + 2, width, NameRoom - 2),
                      Qt::AlignHCenter | Qt::AlignTop, names_[i]);
  painter->restore();
}
