#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QtTest>
#include <functional>
#include <set>

#include "../support/desktop.h"

// Every window on a small screen: run on a 1366 x 768 screen and on a 2732 x 1536 one at
// scale factor 2 (the screen is set by the test command).

namespace {

// True when `w` can be brought whole into the view of the window it is in.
bool reachable(QMainWindow* window, QWidget* w) {
  if (auto* scroll = window->findChild<QScrollArea*>()) scroll->ensureWidgetVisible(w, 0, 0);
  const QRect inWindow(w->mapTo(window, QPoint(0, 0)), w->size());
  return window->rect().contains(inWindow);
}

}  // namespace

class ScreenFitTest : public QObject {
  Q_OBJECT

 private slots:
  void everyWindowFitsTheScreenWithItsTitleBar() {
    Desktop d("1,1,1,1,0,1,1,10");
    std::set<FormId> checked;
    // Save & Load and Version hide the status windows: each step shows some of them, and
    // every window of the table is checked at least once.
    const std::function<void()> steps[] = {
        [&] { d.find<QPushButton>(FormId::Main_F, "Log_B")->click(); },
        [&] { d.find<QAction>(FormId::Main_F, "Save_Load")->trigger(); },
        [&] { d.find<QAction>(FormId::Main_F, "Version")->trigger(); },
        [&] { d.find<QAction>(FormId::Main_F, "Stats")->trigger(); },
        [&] { d.find<QAction>(FormId::Main_F, "Book")->trigger(); }};
    for (const auto& step : steps) {
      step();
      QApplication::processEvents();
      for (int i = 0; i < FormCount; ++i) {
        const auto id = static_cast<FormId>(i);
        QMainWindow* w = d.window(id);
        if (!w || !w->isVisible()) continue;
        checked.insert(id);
        const QRect room = w->screen()->availableGeometry();
        const int title = w->style()->pixelMetric(QStyle::PM_TitleBarHeight);
        QVERIFY2(w->width() <= room.width() && w->height() + title <= room.height(),
                 qPrintable(QString("%1 %2x%3 on %4x%5")
                                .arg(FormName(id))
                                .arg(w->width())
                                .arg(w->height())
                                .arg(room.width())
                                .arg(room.height())));
        // A window that cannot grow offers no maximise button (a panel has none).
        if (w->isWindow() && w->minimumSize() == w->maximumSize())
          QVERIFY2(!w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint), FormName(id));
      }
    }
    QCOMPARE(checked.size(), std::size_t{FormCount});
  }

  void everyRowOfTheMainWindowCanBeReachedAndTheStripScrollsWithThem() {
    Desktop d;
    QMainWindow* main = d.main();
    QApplication::processEvents();
    for (int i = 0; i <= 37; ++i) {
      auto* record = d.find<QPushButton>(FormId::Main_F, QString("Count_P(%1)").arg(i));
      QVERIFY2(reachable(main, record), qPrintable(QString::number(i)));
    }
    for (int j = 0; j <= 24; ++j)
      QVERIFY(reachable(main, d.find<QLabel>(FormId::Main_F, QString("Log(%1)").arg(j))));
    // Rows and strip keep their places to each other, wherever the view stands.
    auto* firstRow = d.find<QPushButton>(FormId::Main_F, "Count_P(0)");
    auto* firstCell = d.find<QLabel>(FormId::Main_F, "Log(0)");
    const int apart = firstCell->mapTo(main, QPoint()).y() - firstRow->mapTo(main, QPoint()).y();
    reachable(main, d.find<QPushButton>(FormId::Main_F, "Count_P(37)"));
    QCOMPARE(firstCell->mapTo(main, QPoint()).y() - firstRow->mapTo(main, QPoint()).y(), apart);
  }

  // With separate windows; in one window it grows to hold the panels.
  void theMainWindowGrowsNoLargerThanItsRows() {
    Desktop d;
    d.frontEnd.send({EventKind::Click, FormId::Main_F, &Main_F(d.app()).Separate_Windows, {}});
    QMainWindow* main = d.main();
    QVERIFY(main->minimumSize() != main->maximumSize());
    main->resize(4000, 4000);
    QVERIFY(main->width() < 1366 && main->height() < 1366);
  }
};

QTEST_MAIN(ScreenFitTest)
#include "screen_fit_test.moc"
