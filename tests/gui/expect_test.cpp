#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "../support/desktop.h"

class ExpectTest : public QObject {
  Q_OBJECT

 private slots:
  void quickExpectLightsThePredictedNumbersAtOnce() {
    // Sound off, Quick Expect on and the Point window shown.
    Desktop d("1,0,1,1,0,1,1,10");
    FrontEnd& frontEnd = d.frontEnd;
    // Two rounds of spins by clicking the real record buttons.
    for (int spin = 0; spin < 80; ++spin) d.spin(spin % 38);
    QTest::mouseClick(d.find<QPushButton>(FormId::Main_F, "Expect"), Qt::LeftButton);

    FormView* point = frontEnd.view(FormId::Point_F);
    QVERIFY(point && point->window()->isVisible());
    QCOMPARE(point->window()->findChild<QLabel*>("Status_L")->text(), QString("予想済み"));
    PointForm& p = Point_F(frontEnd.app());
    int lit = 0;
    for (int n = 1; n <= 36; ++n) {
      auto* lamp = point->window()->findChild<QLabel*>(QString("Expect_Light(%1)").arg(n));
      QVERIFY(lamp);
      const bool predicted = p.Expect_H(n).text() == "1";
      QCOMPARE(!lamp->pixmap().isNull(), predicted);
      lit += predicted;
    }
    QCOMPARE(lit, 18);
    QVERIFY(!frontEnd.app().forms.main.record()->Play.enabled());

    // The colour's lamp and the Total window follow the next spin's verdict.
    QMainWindow* colour = frontEnd.view(FormId::Black_or_Red_F)->window();
    const bool red = frontEnd.app().vars.ExpectColour == 1;
    QCOMPARE(!colour->findChild<QLabel*>("Red_Light")->pixmap().isNull(), red);
    d.spin(36);
    QCOMPARE(colour->findChild<QLabel*>("B_OR_R_L")->text(), QString("0 ﾋｯﾄ 予想結果なし"));
  }
};

QTEST_MAIN(ExpectTest)
#include "expect_test.moc"
