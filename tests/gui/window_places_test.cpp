#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QtTest>
#include <fstream>

#include "../support/desktop.h"
#include "../support/test_program.h"
#include "gui/front_end.h"

namespace {

// Every status window shown, sound off.
const char* const AllShown = "1,1,1,1,0,1,0,10";
const FormId StatusWindows[] = {FormId::Black_or_Red_F, FormId::Point_F, FormId::Area_F,
                                FormId::Total_F};

QRect available() {
  return QGuiApplication::primaryScreen()->availableGeometry();
}

}  // namespace

class WindowPlacesTest : public QObject {
  Q_OBJECT

 private slots:
  void theFirstTimeTheStatusWindowsOpenBesideTheMainWindowOnTheScreen() {
    Desktop d(AllShown);
    const QRect main = d.main()->frameGeometry();
    QVERIFY(available().contains(main.topLeft()));
    for (FormId id : StatusWindows) {
      QMainWindow* w = d.window(id);
      QVERIFY(w && w->isVisible());
      const QRect frame = w->frameGeometry();
      // Clear of the main window wherever the screen leaves room beside it.
      if (available().right() - main.right() >= frame.width())
        QVERIFY2(!frame.intersects(main), FormName(id));
      QVERIFY2(available().contains(frame), FormName(id));
    }
  }

  void aPlaceIsKeptAcrossHidingClearAndRestarts() {
    const TestFolder home;
    std::filesystem::copy(VARNET_ASSETS_DIR, home.path(), std::filesystem::copy_options::recursive);
    WriteWindowSettings(home.path(), AllShown);
    const QPoint where = available().topLeft() + QPoint(37, 53);
    {
      FrontEnd program(home.path());
      QVERIFY(program.start());
      QMainWindow* point = program.view(FormId::Point_F)->window();
      point->move(where);
      QCoreApplication::processEvents();
      // Hidden and shown by its box, then made again by Clear.
      program.services().scriptedAnswers.push_back(BoxAnswer::Yes);
      auto* box = program.view(FormId::Main_F)->window()->findChild<QCheckBox*>("Point_C");
      QVERIFY(box);
      QTest::mouseClick(box, Qt::LeftButton);
      QVERIFY(!program.view(FormId::Point_F) ||
              !program.view(FormId::Point_F)->window()->isVisible());
      QTest::mouseClick(box, Qt::LeftButton);
      QCOMPARE(program.view(FormId::Point_F)->window()->pos(), where);
      program.view(FormId::Main_F)->window()->findChild<QAction*>("Clear")->trigger();
      QCOMPARE(program.view(FormId::Point_F)->window()->pos(), where);
    }
    FrontEnd again(home.path());
    QVERIFY(again.start());
    QCOMPARE(again.view(FormId::Point_F)->window()->pos(), where);
  }

  void aPlaceOffEveryScreenIsMovedBackOntoIt() {
    const TestFolder home;
    std::filesystem::copy(VARNET_ASSETS_DIR, home.path(), std::filesystem::copy_options::recursive);
    WriteWindowSettings(home.path(), AllShown);
    std::ofstream(home.path() / "Data/Files/WINDOWS.FIL", std::ios::binary)
        << "\"Total_F\",9000,-7000\r\n\"Area_F\",not,a place\r\n";
    FrontEnd program(home.path());
    QVERIFY(program.start());
    const QRect total = program.view(FormId::Total_F)->window()->frameGeometry();
    QVERIFY(available().contains(program.view(FormId::Total_F)->window()->geometry().topLeft()));
    QVERIFY(available().right() >= total.right() || total.left() == available().left());
    QVERIFY(available().contains(program.view(FormId::Area_F)->window()->pos()));
  }

  void aSecondStartComesToTheRunningProgramOrSaysWhyItEnds() {
    Desktop first(AllShown);
    FrontEnd second(first.folder);
    second.services().scriptedAnswers.push_back(BoxAnswer::Ok);
    QVERIFY(!second.start());
    QVERIFY(!second.view(FormId::Main_F));
    // The running desktop program answers the knock: nothing to say.
    QVERIFY(second.services().shownTexts.empty());

    // A program that has no door (varnet-cli) cannot be reached.
    TestProgram script;
    FrontEnd third(script.folder());
    third.services().scriptedAnswers.push_back(BoxAnswer::Ok);
    QVERIFY(!third.start());
    QCOMPARE(third.services().shownTexts,
             std::vector<std::string>{"00 Varnet は既に起動しています。"});
  }

  void aFolderThatCannotBeUsedIsNamedAndNothingShows() {
    const TestFolder home;
    std::filesystem::create_symlink(home.path() / "Data", home.path() / "Data");
    FrontEnd program(home.path());
    program.services().scriptedAnswers.push_back(BoxAnswer::Ok);
    QVERIFY(!program.start());
    QVERIFY(!program.view(FormId::Main_F));
    QCOMPARE(program.services().shownTexts.back(),
             "データフォルダを使えません (リンクが循環しています): " +
                 (home.path() / "Data/Files").string());
  }
};

QTEST_MAIN(WindowPlacesTest)
#include "window_places_test.moc"
