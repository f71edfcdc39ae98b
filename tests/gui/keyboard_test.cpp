#include <QAction>
#include <QLineEdit>
#include <QtTest>
#include <functional>

#include "../support/desktop.h"
#include "gui/widgets.h"

// Spins and commands from the keyboard of the desktop program.

namespace {

std::string hits(Desktop& d, int index) {
  return Main_F(d.app()).Hit_Count(index).text();
}

// The numbers whose row wears the last-spin frame.
QStringList markedRows(Desktop& d) {
  QStringList marked;
  for (int i = 0; i <= 37; ++i) {
    auto* number = d.find<ClickLabel>(FormId::Main_F, QString("Deme(%1)").arg(i));
    if (number->marked()) marked << number->text();
  }
  return marked;
}

bool shown(Desktop& d, FormId id) {
  return d.window(id) && d.window(id)->isVisible();
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void typedNumbersRecordSpinsAndTheLastOneIsMarked() {
    Desktop d("0,0,0,0,0,1,1,10");
    QMainWindow* main = d.main();
    auto* entry = d.find<QLineEdit>(FormId::Main_F, "Key_Entry");
    QVERIFY(entry);

    QTest::keyClicks(main, "17");
    QCOMPARE(entry->text(), QString("17"));
    QTest::keyClick(main, Qt::Key_Return);
    QCOMPARE(entry->text(), QString());
    QCOMPARE(hits(d, 16), std::string("1"));
    QCOMPARE(markedRows(d), QStringList{"17"});

    // The keypad names the same keys.
    for (Qt::Key k : {Qt::Key_0, Qt::Key_0, Qt::Key_Enter})
      QTest::keyClick(main, k, Qt::KeypadModifier);
    QCOMPARE(hits(d, 37), std::string("1"));
    QCOMPARE(markedRows(d), QStringList{"00"});
    QTest::keyClicks(main, "0");
    QTest::keyClick(main, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(hits(d, 36), std::string("1"));

    // A number that is no pocket records nothing and stays, marked, with the reason beside
    // the rows; Backspace and Esc mend the typing.
    QTest::keyClicks(main, "37");
    QTest::keyClick(main, Qt::Key_Return);
    QCOMPARE(entry->palette().color(QPalette::Base), QColor(0xFF, 0xC0, 0xC0));
    QCOMPARE(d.find<QLabel>(FormId::Main_F, "Refusal")->text(),
             QString("37 はポケットではありません"));
    QTest::keyClicks(main, "29");
    QTest::keyClick(main, Qt::Key_Backspace);
    QCOMPARE(entry->text(), QString("2"));
    QTest::keyClick(main, Qt::Key_Escape);
    QCOMPARE(entry->text(), QString());
    QCOMPARE(Main_F(d.app()).Total.text(), std::string("3"));

    // Ctrl+Z takes the last spin back and the frame goes back with it.
    QTest::keyClick(main, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(hits(d, 36), std::string("0"));
    QCOMPARE(markedRows(d), QStringList{"00"});

    // Keys typed on a window beside the main one record there too.
    QTest::keyClick(main, Qt::Key_L, Qt::ControlModifier);
    QVERIFY(shown(d, FormId::Log_F));
    QTest::keyClicks(d.window(FormId::Log_F), "5");
    QTest::keyClick(d.window(FormId::Log_F), Qt::Key_Return);
    QCOMPARE(hits(d, 4), std::string("1"));
    QCOMPARE(markedRows(d), QStringList{"5"});
  }

  void shortcutsOpenWindowsAndEscClosesThem() {
    Desktop d("0,0,0,0,0,1,1,10");
    QMainWindow* main = d.main();
    const std::pair<std::function<void()>, FormId> opened[] = {
        {[&] { QTest::keyClick(main, Qt::Key_S, Qt::ControlModifier); }, FormId::Save_Load_F},
        {[&] { QTest::keyClick(main, Qt::Key_L, Qt::ControlModifier); }, FormId::Log_F},
        {[&] { d.find<QAction>(FormId::Main_F, "Version")->trigger(); }, FormId::Version_F}};
    for (const auto& [open, id] : opened) {
      open();
      QVERIFY2(shown(d, id), FormName(id));
      QTest::keyClick(d.window(id), Qt::Key_Escape);
      QVERIFY2(!shown(d, id), FormName(id));
    }

    // A number typed on the statistics window is recorded; Esc closes the window.
    d.find<QAction>(FormId::Main_F, "Stats")->trigger();
    QVERIFY(shown(d, FormId::Stats_F));
    QTest::keyClicks(d.window(FormId::Stats_F), "5");
    QTest::keyClick(d.window(FormId::Stats_F), Qt::Key_Return);
    QCOMPARE(hits(d, 4), std::string("1"));
    QTest::keyClick(d.window(FormId::Stats_F), Qt::Key_Escape);
    QVERIFY(!shown(d, FormId::Stats_F));

    // Space asks for a prediction; before a full round it is refused, as the button is.
    d.answer(BoxAnswer::Ok);
    QTest::keyClick(main, Qt::Key_Space);
    QCOMPARE(d.frontEnd.services().shownTexts.size(), std::size_t{1});
    QCOMPARE(d.app().vars.ExpectDone, 0);
    for (int spin = 0; spin < 38; ++spin) d.spin(spin);
    QTest::keyClick(main, Qt::Key_F5);
    QCOMPARE(d.app().vars.ExpectDone, 1);

    // The menu shows the shortcuts beside its commands and underlines a letter for Alt.
    QCOMPARE(d.find<QAction>(FormId::Main_F, "Save_Load")->text(), QString("&Save_Load\tCtrl+S"));

    d.answer(BoxAnswer::Yes);
    QTest::keyClick(main, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(d.app().ended);
  }

  void saveAndLoadWorksFromTheKeyboardAndLeavesDigitsToTheEntry() {
    Desktop d("0,0,0,0,0,1,1,10");
    d.spin(4);
    QTest::keyClick(d.main(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QTest::qWaitForWindowActive(d.window(FormId::Save_Load_F)));
    auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
    auto at = [] { return QApplication::focusWidget()->objectName(); };
    // It opens on OK, so a digit goes to the main window's entry.
    QCOMPARE(at(), QString("Command1"));
    key(Qt::Key_9);
    QCOMPARE(Main_F(d.app()).Key_Entry.text(), std::string("9"));
    key(Qt::Key_Backspace);
    // Tab goes row by row through comment, Save and Load; a comment keeps its digits.
    key(Qt::Key_Tab);
    QCOMPARE(at(), QString("Comment(1)"));
    key(Qt::Key_1);
    QCOMPARE(d.find<QLineEdit>(FormId::Save_Load_F, "Comment(1)")->text().right(1), QString("1"));
    for (const char* next : {"Save(1)", "Load(1)", "Comment(2)", "Save(2)"}) {
      key(Qt::Key_Tab);
      QCOMPARE(at(), QString(next));
    }
    // Enter presses the button the keyboard is on.
    d.answer(BoxAnswer::Yes);
    key(Qt::Key_Return);
    QVERIFY(!Save_Load_F(d.app()).Date(2).caption().empty());
  }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
