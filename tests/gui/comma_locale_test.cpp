#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <clocale>
#include <fstream>

#include "../support/desktop.h"
#include "gui/front_end.h"

// Run by CTest with LC_ALL set to a comma-decimal locale, which QApplication hands on to
// the C library: figures typed and shown in the windows must still read with a point.
class CommaLocaleTest : public QObject {
  Q_OBJECT

 private slots:
  void theApplicationTookTheCommaLocale() {
    QCOMPARE(QString(std::localeconv()->decimal_point), QString(","));
  }

  void totalWindowRateFromTypedScores() {
    const TestFolder home;
    WriteWindowSettings(home.path(), "0,0,0,1,0,1,1,10");
    std::ofstream(home.path() / "Data/Files/USER.FIL", std::ios::binary) << "38,0,0\r\n";
    FrontEnd frontEnd(home.path());
    frontEnd.start();
    QMainWindow* main = frontEnd.view(FormId::Main_F)->window();
    for (int spin = 0; spin < 38; ++spin)
      QTest::mouseClick(main->findChild<QPushButton*>("Count_P(0)"), Qt::LeftButton);
    QTest::mouseClick(main->findChild<QPushButton*>("Expect"), Qt::LeftButton);

    // The tallies of an 18-number area's hit and miss scores; the window only shows them.
    TotalForm& t = Total_F(frontEnd.app());
    frontEnd.send({EventKind::Type, FormId::Total_F, &t.Expect_Hit, "1.05"});
    frontEnd.send({EventKind::Type, FormId::Total_F, &t.Expect_Out, "0.95"});
    QTest::mouseClick(main->findChild<QPushButton*>("Count_P(36)"), Qt::LeftButton);

    // 1.05 hits against 0.95 misses: a whole hit and a rate of 1 / 1.95.
    QMainWindow* total = frontEnd.view(FormId::Total_F)->window();
    QCOMPARE(total->findChild<QLineEdit*>("Win_Rate")->text(), QString("51.3%"));
    QCOMPARE(total->findChild<QLabel*>("Status_L")->text(), QString("Com Win Good!"));
    QCOMPARE(main->findChild<QLineEdit*>("Round_T")->text(), QString("1"));
  }
};

QTEST_MAIN(CommaLocaleTest)
#include "comma_locale_test.moc"
