#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "../support/desktop.h"
#include "gui/front_end.h"

namespace {

QColor back(QLabel* l) {
  return l->palette().color(QPalette::Window);
}

}  // namespace

class LogWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void searchToggleRecoloursTheRowsAndNewSpinsShowUp() {
    const TestFolder home;
    const auto& folder = home.path();
    FrontEnd frontEnd(folder);
    frontEnd.start();
    QMainWindow* main = frontEnd.view(FormId::Main_F)->window();
    QTest::mouseClick(main->findChild<QPushButton*>("Count_P(4)"), Qt::LeftButton);  // 5
    QTest::mouseClick(main->findChild<QPushButton*>("Log_B"), Qt::LeftButton);
    FormView* view = frontEnd.view(FormId::Log_F);
    QVERIFY(view && view->window()->isVisible());
    QMainWindow* w = view->window();
    QCOMPARE(w->windowTitle(), QString("Log"));
    auto* first = w->findChild<QLabel*>("Log(1)");
    auto* second = w->findChild<QLabel*>("Log(2)");
    auto* red = w->findChild<QLabel*>("Search(39)");
    QVERIFY(first && second && red);
    QCOMPARE(first->text(), QString("5"));
    QCOMPARE(back(first), QColor(0xFF, 0xC0, 0xC0));

    QTest::mouseClick(red, Qt::LeftButton);
    QCOMPARE(back(red), QColor(0xC0, 0x00, 0x00));
    QCOMPARE(back(first), QColor(0xC0, 0x00, 0x00));

    // The window stays open while spins are recorded, and shows them.
    QTest::mouseClick(main->findChild<QPushButton*>("Count_P(1)"), Qt::LeftButton);  // 2
    QCOMPARE(second->text(), QString("2"));
    QCOMPARE(back(second), QColor(0xC0, 0xC0, 0xC0));
    QTest::mouseClick(w->findChild<QPushButton*>("Clear_B"), Qt::LeftButton);
    QCOMPARE(back(first), QColor(0xFF, 0xC0, 0xC0));
  }

  void rowsAndTogglesAreLaidOutInTableOrder() {
    const TestFolder home;
    const auto& folder = home.path();
    FrontEnd frontEnd(folder);
    frontEnd.start();
    QTest::mouseClick(frontEnd.view(FormId::Main_F)->window()->findChild<QPushButton*>("Log_B"),
                      Qt::LeftButton);
    QMainWindow* w = frontEnd.view(FormId::Log_F)->window();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto at = [w](const char* name) {
      auto* l = w->findChild<QLabel*>(name);
      return l->mapTo(w, QPoint(0, 0));
    };
    // Entry numbers left of their cells; 1..20 down the first column, 21 beside 1.
    QCOMPARE(at("Log_No(1)").y(), at("Log(1)").y());
    QVERIFY(at("Log_No(1)").x() < at("Log(1)").x());
    QVERIFY(at("Log(20)").y() > at("Log(1)").y());
    QCOMPARE(at("Log(20)").x(), at("Log(1)").x());
    QCOMPARE(at("Log(21)").y(), at("Log(1)").y());
    QVERIFY(at("Log_No(21)").x() > at("Log(1)").x());
    QVERIFY(at("Log(81)").x() > at("Log(61)").x());
    // Three toggles a line, then "0" and "00", then "Red", then "Black".
    QCOMPARE(at("Search(3)").y(), at("Search(1)").y());
    QVERIFY(at("Search(3)").x() > at("Search(2)").x());
    QCOMPARE(at("Search(4)").x(), at("Search(1)").x());
    QVERIFY(at("Search(4)").y() > at("Search(1)").y());
    QCOMPARE(at("Search(38)").y(), at("Search(37)").y());
    QVERIFY(at("Search(37)").y() > at("Search(34)").y());
    QVERIFY(at("Search(39)").y() > at("Search(37)").y());
    QVERIFY(at("Search(40)").y() > at("Search(39)").y());
    QCOMPARE(w->findChild<QLabel*>("Label1")->text(), QString("/ 50"));
  }
};

QTEST_MAIN(LogWindowTest)
#include "log_window_test.moc"
