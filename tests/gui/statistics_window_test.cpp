#include <QAction>
#include <QBarSet>
#include <QChartView>
#include <QLineEdit>
#include <QStackedBarSeries>
#include <QtTest>

#include "../support/desktop.h"

namespace {

// The chart's bar for a wheel position: the pocket's count in whichever colour set holds it.
qreal barAt(QChartView* chart, int position) {
  qreal sum = 0;
  for (QAbstractSeries* s : chart->chart()->series())
    if (auto* bars = qobject_cast<QStackedBarSeries*>(s))
      for (QBarSet* set : bars->barSets()) sum += set->at(position);
  return sum;
}

}  // namespace

class StatsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void openedFromTheMenuItFollowsTheSpins() {
    Desktop d("0,0,0,0,0,1,1,10");
    d.spin(27);  // 28, the second pocket round the wheel from 0
    QCOMPARE(d.frontEnd.view(FormId::Stats_F), nullptr);
    d.find<QAction>(FormId::Main_F, "Stats")->trigger();
    QMainWindow* w = d.window(FormId::Stats_F);
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->windowTitle(), QString("Statistics"));
    // It fits a 1366x768 screen.
    QVERIFY(w->width() <= 1366 && w->height() <= 740);

    auto* spins = d.find<QLineEdit>(FormId::Stats_F, "Spins");
    auto* chart = d.find<QChartView>(FormId::Stats_F, "Wheel_Count");
    QVERIFY(spins && chart);
    QCOMPARE(spins->text(), QString("1"));
    QCOMPARE(barAt(chart, 1), 1.0);
    QCOMPARE(barAt(chart, 0), 0.0);

    d.spin(36);  // 0
    d.spin(27);
    QCOMPARE(spins->text(), QString("3"));
    QCOMPARE(d.find<QLineEdit>(FormId::Stats_F, "Chi_Square")->text(), QString("60.33"));
    QCOMPARE(barAt(chart, 0), 1.0);
    QCOMPARE(barAt(chart, 1), 2.0);
  }
};

QTEST_MAIN(StatsWindowTest)
#include "statistics_window_test.moc"
