#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <fstream>

#include "../support/desktop.h"
#include "gui/front_end.h"

namespace {

// True when the box shows the start of its text: with the cursor at the start, the
// box has scrolled its text so that the start is in view.
bool showsItsBeginning(QLineEdit* box) {
  box->grab();  // lays out the text as a paint does
  const QRect cursor = box->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  return box->cursorPosition() == 0 && cursor.left() < box->width() / 4;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void clickingRecordButtonRecordsASpinAndRedraws() {
    Desktop d;
    QVERIFY(d.main()->isVisible());
    auto* record = d.find<QPushButton>(FormId::Main_F, "Count_P(6)");
    auto* hits = d.find<QLineEdit>(FormId::Main_F, "Hit_Count(6)");
    auto* rate = d.find<QLineEdit>(FormId::Main_F, "Rate(6)");
    auto* strip = d.find<QLabel>(FormId::Main_F, "Log(0)");
    QVERIFY(record && hits && rate && strip);
    QCOMPARE(record->text(), QString("＞"));

    QTest::mouseClick(record, Qt::LeftButton);
    QCOMPARE(Main_F(d.app()).Hit_Count(6).text(), std::string("1"));
    QCOMPARE(hits->text(), QString("1"));
    QCOMPARE(rate->text(), QString("3800%"));
    QCOMPARE(strip->text(), QString("7"));
    QCOMPARE(strip->palette().color(QPalette::Window), QColor(0xC0, 0x00, 0x00));
  }

  void hiddenRowHasHiddenWidgetsAndMenuMarksFollowTheRecord() {
    const TestFolder home;
    const auto& folder = home.path();
    std::filesystem::create_directories(folder / "Data/Files");
    std::ofstream(folder / "Data/Files/USER.FIL", std::ios::binary) << "37,0,1\r\n";
    FrontEnd frontEnd(folder);
    frontEnd.start();
    QMainWindow* w = frontEnd.view(FormId::Main_F)->window();
    QVERIFY(!w->findChild<QPushButton*>("Count_P(37)")->isVisibleTo(w));
    QVERIFY(w->findChild<QPushButton*>("Count_P(36)")->isVisibleTo(w));
    QVERIFY(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    auto* zero = w->findChild<QAction*>("Zero_Check");
    QVERIFY(zero && !zero->isChecked());
    QVERIFY(w->findChild<QAction*>("Front_Check")->isChecked());
  }

  void aTextBoxNotBeingEditedShowsTheBeginningOfItsText() {
    Desktop d;
    for (int spin = 0; spin < 40; ++spin) d.spin(spin % 38);
    QTest::mouseClick(d.find<QPushButton>(FormId::Main_F, "Count_M(1)"), Qt::LeftButton);
    auto* round = d.find<QLineEdit>(FormId::Main_F, "Round_T");
    QCOMPARE(round->text(), QString("1.02631578947368"));
    QVERIFY(round->fontMetrics().horizontalAdvance(round->text()) > round->width());
    QVERIFY(showsItsBeginning(round));

    // A comment typed to its end shows from its start once the typing is over.
    d.find<QAction>(FormId::Main_F, "Save_Load")->trigger();
    auto* comment = d.find<QLineEdit>(FormId::Save_Load_F, "Comment(2)");
    comment->setFocus();
    QTest::keyClicks(comment, "a long game of reds and blacks, most of it in the evening");
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(comment, &out);
    QVERIFY(showsItsBeginning(comment));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
