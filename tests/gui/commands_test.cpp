#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include "../support/desktop.h"

namespace {

QTextBrowser* shownHelp() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* b = qobject_cast<QTextBrowser*>(w); b && b->isVisible()) return b;
  return nullptr;
}

}  // namespace

class CommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void clearThroughTheMenu() {
    Desktop d;
    auto* record = d.find<QPushButton>(FormId::Main_F, "Count_P(10)");
    QTest::mouseClick(record, Qt::LeftButton);
    QTest::mouseClick(record, Qt::LeftButton);
    auto* total = d.find<QLineEdit>(FormId::Main_F, "Total");
    QCOMPARE(total->text(), QString("2"));

    d.frontEnd.services().scriptedAnswers.push_back(BoxAnswer::No);
    d.find<QAction>(FormId::Main_F, "Clear")->trigger();
    QCOMPARE(total->text(), QString("2"));

    d.frontEnd.services().scriptedAnswers.push_back(BoxAnswer::Yes);
    d.find<QAction>(FormId::Main_F, "Clear")->trigger();
    QCOMPARE(d.frontEnd.services().shownTexts.back(), std::string("現在のデータをクリアしますか?"));
    QCOMPARE(Main_F(d.frontEnd.app()).Total.text(), std::string("0"));
    QCOMPARE(total->text(), QString("0"));
    QCOMPARE(d.find<QLineEdit>(FormId::Main_F, "Hit_Count(10)")->text(), QString("0"));
    QCOMPARE(d.find<QLabel>(FormId::Main_F, "Log(0)")->text(), QString());
  }

  void aboutWindowButtons() {
    Desktop d;
    d.find<QAction>(FormId::Main_F, "Version")->trigger();
    FormView* about = d.frontEnd.view(FormId::Version_F);
    QVERIFY(about && about->window()->isVisible());
    QCOMPARE(d.find<QLabel>(FormId::Version_F, "lblVersion")->text(), QString("Ver 2.3"));
    // The system it runs on, not another system's requirements.
    const QString environment = d.find<QLabel>(FormId::Version_F, "Label1")->text();
    QVERIFY(environment.contains(QSysInfo::prettyProductName()));
    QVERIFY(environment.contains(QString("Qt : ") + qVersion()));

    QTest::mouseClick(d.find<QPushButton>(FormId::Version_F, "Command1"), Qt::LeftButton);
    QTextBrowser* help = shownHelp();
    QVERIFY(help);
    QCOMPARE(help->source().fragment(), QString("topic3"));
    QTest::mouseClick(d.find<QPushButton>(FormId::Version_F, "Command2"), Qt::LeftButton);
    QCOMPARE(help->source().fragment(), QString("topic17"));
    QVERIFY(help->toPlainText().contains("サポート"));
    help->close();

    QTest::mouseClick(d.find<QPushButton>(FormId::Version_F, "OK"), Qt::LeftButton);
    QVERIFY(!d.frontEnd.view(FormId::Version_F));
    QVERIFY(!d.frontEnd.app().forms.version.loaded());
  }

  void aStatusWindowsCloseBoxHidesItAndHelpLeavesTheOthers() {
    Desktop d("1,1,1,1,0,1,1,10");
    QVERIFY(d.window(FormId::Point_F)->isVisible());
    d.window(FormId::Point_F)->close();
    QVERIFY(!d.window(FormId::Point_F)->isVisible());
    QVERIFY(!d.find<QCheckBox>(FormId::Main_F, "Point_C")->isChecked());
    QVERIFY(!d.find<QAction>(FormId::Main_F, "Point_C_Menu")->isChecked());
    d.find<QAction>(FormId::Main_F, "Help")->trigger();
    QTextBrowser* help = shownHelp();
    QVERIFY(help);
    for (FormId id : {FormId::Black_or_Red_F, FormId::Area_F, FormId::Total_F})
      QVERIFY2(d.window(id)->isVisible(), FormName(id));
    help->close();
  }

  // An installed copy: the user's files in one folder, the shipped ones in another.
  void dataAndShippedFilesApart() {
    TestFolder data;
    FrontEnd f(ProgramFolders{data.path(), VARNET_ASSETS_DIR});
    f.start();
    QMainWindow* main = f.view(FormId::Main_F)->window();
    QTest::mouseClick(main->findChild<QPushButton*>("Count_P(4)"), Qt::LeftButton);
    QVERIFY(std::filesystem::exists(data.path() / "Data/Files/REAL_SAVE.FIL"));

    main->findChild<QAction*>("Version")->trigger();
    QMainWindow* about = f.view(FormId::Version_F)->window();
    QCOMPARE(about->findChild<QLineEdit*>("dataFolder")->text(),
             QString::fromStdString((data.path() / "Data/Files").string()));
    QTest::mouseClick(about->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QTextBrowser* help = shownHelp();
    QVERIFY(help);
    QCOMPARE(help->source().toLocalFile(), QString(VARNET_ASSETS_DIR "/00 VARNET HELP.html"));
    help->close();
  }

  void closeBoxAsksAboutUnsavedSpins() {
    Desktop d;
    d.spin(0);

    d.answer(BoxAnswer::No);
    d.main()->close();
    QCOMPARE(d.frontEnd.services().shownTexts.back(),
             std::string("データは保存されていません。よろしいですか?"));
    QVERIFY(d.main()->isVisible());
    QVERIFY(!d.app().ended);

    d.answer(BoxAnswer::Yes);
    d.main()->close();
    QVERIFY(d.app().ended);
    QVERIFY(!d.frontEnd.view(FormId::Main_F));
  }
};

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
