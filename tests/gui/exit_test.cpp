#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "../support/desktop.h"

// Leaving the program must end it whatever windows are shown. Run offscreen, and under a
// window manager (with_window_manager.sh), where the user's own input goes through
// the X server.

namespace {

// First line of USER2.FIL: the four status windows, Expect Check, Point mode, Quick
// Expect, Point limit.
constexpr const char* TotalShown = "0,0,0,1,0,1,1,10";
constexpr const char* EveryStatusWindow = "1,1,1,1,0,1,1,10";
constexpr const char* EveryStatusWindowSlowReveal = "1,1,1,1,0,1,0,10";

enum class Leave { Exit, CloseBox };

bool underWindowManager() {
  return QGuiApplication::platformName() == "xcb";
}

// Exit on the menu bar, or the main window's close box, as the user chooses them.
void leaveAsTheUser(Desktop& d, Leave how) {
  QMainWindow* main = d.main();
  QMenuBar* bar = main->menuBar();
  const QPoint exit = bar->actionGeometry(d.find<QAction>(FormId::Main_F, "Exit")).center();
  if (!underWindowManager()) {
    if (how == Leave::Exit)
      QTest::mouseClick(bar, Qt::LeftButton, {}, exit);
    else
      main->close();
    return;
  }
  // Alt+F4 is the window manager's own close command: it asks the window to close as
  // the close box does.
  const QPoint at = bar->mapToGlobal(exit);
  const QStringList input =
      how == Leave::Exit
          ? QStringList{"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"}
          : QStringList{"windowactivate", "--sync", QString::number(main->winId()), "key",
                        "alt+F4"};
  QProcess::startDetached("xdotool", input);
}

// Leaves from inside the running event loop, as a user does. True when the program
// ended, its windows are gone and the event loop stopped within a few seconds.
bool leaves(Desktop& d, Leave how) {
  if (!QTest::qWaitForWindowExposed(d.main())) return false;
  QTimer::singleShot(0, d.main(), [&d, how] { leaveAsTheUser(d, how); });
  constexpr int TimedOut = 99;
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(TimedOut); });
  watchdog.start(5000);
  if (QApplication::exec() == TimedOut) return false;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) return false;
  return d.app().ended;
}

// Opens the window named, or starts what is named, by clicking as a user does.
void open(Desktop& d, const QString& what) {
  if (what == "Log") {
    QTest::mouseClick(d.find<QPushButton>(FormId::Main_F, "Log_B"), Qt::LeftButton);
  } else if (what == "Save & Load") {
    d.find<QAction>(FormId::Main_F, "Save_Load")->trigger();
  } else if (what == "Version") {
    d.find<QAction>(FormId::Main_F, "Version")->trigger();
  } else if (what == "area edit") {
    d.answer(BoxAnswer::Yes);
    d.find<QAction>(FormId::Area_F, "Area_Set")->trigger();
  } else if (what == "reveal") {
    for (int spin = 0; spin < 38; ++spin) d.spin(spin);
    QTest::mouseClick(d.find<QPushButton>(FormId::Main_F, "Expect"), Qt::LeftButton);
    // Leaving asks about the unsaved spins.
    d.answer(BoxAnswer::Yes);
  }
  // A window the player opens takes the keyboard once it is up; the player leaves after.
  for (FormId id : {FormId::Log_F, FormId::Save_Load_F, FormId::Version_F})
    if (d.window(id)) (void)QTest::qWaitForWindowActive(d.window(id));
}

}  // namespace

class ExitTest : public QObject {
  Q_OBJECT

 private slots:
  void exitAndCloseBoxEndTheProgramWithTheTotalWindowShown() {
    // The order in which Qt would visit the windows changes from run to run, so one
    // attempt proves little: repeat.
    for (Leave how : {Leave::Exit, Leave::CloseBox}) {
      for (int attempt = 1; attempt <= 8; ++attempt) {
        Desktop d(TotalShown);
        QVERIFY(d.window(FormId::Total_F)->isVisible());
        QVERIFY2(leaves(d, how), qPrintable(QString("attempt %1").arg(attempt)));
      }
    }
  }

  void leavingEndsTheProgramWhateverIsShown_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("exit");
    for (const char* shown :
         {"status windows", "Log", "Save & Load", "Version", "area edit", "reveal"}) {
      QTest::newRow((QString(shown) + ", Exit").toUtf8()) << QString(shown) << true;
      QTest::newRow((QString(shown) + ", close box").toUtf8()) << QString(shown) << false;
    }
  }

  void leavingEndsTheProgramWhateverIsShown() {
    QFETCH(QString, shown);
    QFETCH(bool, exit);
    for (int attempt = 1; attempt <= 3; ++attempt) {
      Desktop d(shown == "reveal" ? EveryStatusWindowSlowReveal : EveryStatusWindow);
      open(d, shown);
      if (shown == "area edit") QCOMPARE(d.app().vars.AreaEditing, 1);
      if (shown == "reveal") QVERIFY(Main_F(d.app()).Play.enabled());
      QVERIFY2(leaves(d, exit ? Leave::Exit : Leave::CloseBox),
               qPrintable(QString("attempt %1").arg(attempt)));
    }
  }
};

QTEST_MAIN(ExitTest)
#include "exit_test.moc"
