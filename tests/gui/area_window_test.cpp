#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <fstream>

#include "../support/desktop.h"
#include "gui/front_end.h"

namespace {

QColor back(QWidget* w) {
  return w->palette().color(QPalette::Window);
}

}  // namespace

class AreaWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void editingOneAreaByClickingItsCells() {
    const TestFolder home;
    const auto& folder = home.path();
    // Area window shown; no area set saved yet.
    WriteWindowSettings(folder, "0,1,0,0,0,1,0,10");
    FrontEnd frontEnd(folder);
    frontEnd.start();
    FormView* view = frontEnd.view(FormId::Area_F);
    QVERIFY(view);
    QMainWindow* w = view->window();
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowTitle(), QString("Area"));
    QVERIFY(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    frontEnd.services().scriptedAnswers.push_back(BoxAnswer::Yes);
    w->findChild<QAction*>("Area_Set")->trigger();
    QCOMPARE(frontEnd.app().vars.AreaEditing, 1);
    auto* pool1 = w->findChild<QLabel*>("Deme(1)");
    auto* save = w->findChild<QPushButton*>("Set_B");
    QVERIFY(pool1 && save);
    QVERIFY(pool1->isVisible());
    QVERIFY(!w->findChild<QWidget*>("Area_Frame")->isVisible());

    // All 38 numbers into area 4, each by a click on its cell.
    for (int i = 1; i <= 38; ++i) {
      auto* cell = w->findChild<QLabel*>(QString("Area4_Deme(%1)").arg(i));
      QVERIFY(cell);
      QVERIFY(!save->isVisible());
      QTest::mouseClick(cell, Qt::LeftButton);
    }
    QCOMPARE(back(w->findChild<QLabel*>("Area4_Deme(1)")), QColor(0xC0, 0x00, 0x00));
    QCOMPARE(back(w->findChild<QLabel*>("Area4_Deme(2)")), QColor(0x00, 0x00, 0x00));
    QCOMPARE(back(w->findChild<QLabel*>("Area4_Deme(38)")), QColor(0x00, 0x00, 0xC0));
    QCOMPARE(w->findChild<QLabel*>("Deme_C_L(4)")->text(), QString("38"));
    QVERIFY(!pool1->isVisible());
    QVERIFY(save->isVisible());

    // Another area cannot take a placed number.
    frontEnd.services().scriptedAnswers.push_back(BoxAnswer::Ok);
    QTest::mouseClick(w->findChild<QLabel*>("Area1_Deme(5)"), Qt::LeftButton);
    QCOMPARE(frontEnd.services().shownTexts.back(), std::string("選択済みです。"));
    QCOMPARE(back(w->findChild<QLabel*>("Area1_Deme(5)")), QColor(0xFF, 0xC0, 0xC0));

    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(frontEnd.app().vars.AreaEditing, 0);
    QVERIFY(!save->isVisible());
    QVERIFY(w->findChild<QWidget*>("Area_Frame")->isVisible());
    QCOMPARE(w->findChild<QLineEdit*>("Hit_Rate(4)")->text(), QString("100"));
    std::ifstream in(folder / "Data/Files/USER2.FIL", std::ios::binary);
    std::string line;
    std::getline(in, line);
    for (int i = 0; i < 38; ++i) {
      std::getline(in, line);
      QCOMPARE(line, std::string("0,0,0,1,0,0\r"));
    }

    // The close box hides it, as clearing its check box does.
    w->close();
    QVERIFY(!w->isVisible());
    QCOMPARE(Main_F(frontEnd.app()).Area.value(), 0);
  }
};

QTEST_MAIN(AreaWindowTest)
#include "area_window_test.moc"
