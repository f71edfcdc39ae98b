#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <fstream>

#include "../support/desktop.h"
#include "gui/front_end.h"

class SaveLoadTest : public QObject {
  Q_OBJECT

 private slots:
  void typedCommentIsSavedAndOkBringsBackTheStatusWindows() {
    Desktop d;
    FrontEnd& frontEnd = d.frontEnd;
    const auto& folder = d.folder;
    QMainWindow* main = d.main();
    d.spin(6);
    main->findChild<QCheckBox*>("Point_C")->click();
    QVERIFY(Point_F(frontEnd.app()).visible());

    main->findChild<QAction*>("Save_Load")->trigger();
    FormView* view = frontEnd.view(FormId::Save_Load_F);
    QVERIFY(view && view->window()->isVisible());
    QVERIFY(!Point_F(frontEnd.app()).visible());
    QMainWindow* w = view->window();
    QCOMPARE(w->findChild<QLabel*>("Label1(4)")->text(), QString(" Data 4"));

    // Japanese arrives from the input method, the rest from the keyboard.
    auto* comment = w->findChild<QLineEdit*>("Comment(1)");
    QInputMethodEvent composed;
    composed.setCommitString(QString::fromUtf8("赤が続く"));
    QApplication::sendEvent(comment, &composed);
    QTest::keyClicks(comment, ", red");
    QCOMPARE(Save_Load_F(frontEnd.app()).Comment(1).text(), std::string("赤が続く, red"));
    frontEnd.services().scriptedAnswers.push_back(BoxAnswer::Yes);
    QTest::mouseClick(w->findChild<QPushButton*>("Save(1)"), Qt::LeftButton);
    QVERIFY(!w->findChild<QLabel*>("Date(1)")->text().isEmpty());
    std::ifstream file(folder / "Data/Files/Save1.FIL", std::ios::binary);
    std::string firstLine;
    std::getline(file, firstLine);
    // The comment is CP932 on disk.
    QVERIFY(firstLine.find("\"\x90\xD4\x82\xAA\x91\xB1\x82\xAD, red\"") != std::string::npos);

    QTest::mouseClick(w->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QVERIFY(!frontEnd.view(FormId::Save_Load_F));
    QVERIFY(Point_F(frontEnd.app()).visible());
  }
};

QTEST_MAIN(SaveLoadTest)
#include "save_load_test.moc"
