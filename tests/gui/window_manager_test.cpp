#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QtTest>
#include <fstream>
#include <map>

#include "../support/desktop.h"

// The desktop as a player meets it: a real window manager (openbox, with_window_manager.sh)
// on a 1366 x 768 screen, every status window shown, and input sent through the X server.

namespace {

// Every status window shown, sound off.
const char* const AllShown = "1,1,1,1,0,1,1,10";
// All but Point, which the player shows later by its check box.
const char* const PointLater = "1,1,0,1,0,1,1,10";
const FormId StatusWindows[] = {FormId::Black_or_Red_F, FormId::Point_F, FormId::Area_F,
                                FormId::Total_F};

bool underWindowManager() {
  return QGuiApplication::platformName() == "xcb";
}

// Sends keys or mouse input through the X server to the window, as the player would.
void xdotool(const QWidget* window, const QStringList& input) {
  QProcess::execute(
      "xdotool", QStringList{"windowactivate", "--sync", QString::number(window->winId())} + input);
}

// The program's windows from bottom to top, as the window manager stacks them.
QList<WId> stacking() {
  QProcess xprop;
  xprop.start("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"});
  xprop.waitForFinished();
  QList<WId> ids;
  const QString out = QString::fromLatin1(xprop.readAllStandardOutput());
  for (const QString& id : out.section('#', 1).split(',', Qt::SkipEmptyParts))
    ids.append(id.trimmed().toULongLong(nullptr, 16));
  return ids;
}

// Waits until the window manager has framed every window shown (a panel has no frame).
bool framed(Desktop& d) {
  for (int i = 0; i < FormCount; ++i) {
    QMainWindow* w = d.window(static_cast<FormId>(i));
    if (w && w->isWindow() && w->isVisible() &&
        (!QTest::qWaitForWindowExposed(w) ||
         !QTest::qWaitFor([w] { return w->frameGeometry() != w->geometry(); })))
      return false;
  }
  return true;
}

int spins(Desktop& d) {
  return std::stoi(Main_F(d.app()).Total.text());
}

}  // namespace

class WindowManagerTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    if (!underWindowManager()) QSKIP("needs a window manager: run with with_window_manager.sh");
  }

  void theQuestionOfCtrlQStandsAboveEveryStatusWindow() {
    Desktop d(AllShown);
    QVERIFY(framed(d));
    d.spin(4);  // unsaved: leaving asks first
    QList<WId> order;
    WId question = 0;
    // The question runs its own event loop; it is looked at, then answered No, from there.
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      look.stop();
      QTest::qWait(500);  // the window manager stacks it
      question = box->winId();
      order = stacking();
      box->button(QMessageBox::No)->click();
    });
    look.start(50);
    QProcess::startDetached("xdotool", {"windowactivate", "--sync",
                                        QString::number(d.main()->winId()), "key", "ctrl+q"});
    QTRY_VERIFY_WITH_TIMEOUT(question != 0, 10000);
    QVERIFY(!order.isEmpty());
    QCOMPARE(order.last(), question);
    // A status window, or the main window that holds it as a panel.
    for (FormId id : StatusWindows) QVERIFY(order.contains(d.window(id)->window()->winId()));
    QVERIFY(!d.app().ended);
  }

  void typingAfterAMenuWasOpenedAndClosedRecordsTheSpin_data() {
    QTest::addColumn<QStringList>("menu");
    QTest::newRow("Alt+F, Esc") << QStringList{"key", "alt+f", "Escape"};
    QTest::newRow("F10, Esc") << QStringList{"key", "F10", "Escape"};
    QTest::newRow("Alt") << QStringList{"key", "alt"};
    QTest::newRow("mouse, Esc") << QStringList{"mouse"};
  }

  void typingAfterAMenuWasOpenedAndClosedRecordsTheSpin() {
    QFETCH(QStringList, menu);
    Desktop d(AllShown);
    QVERIFY(framed(d));
    QMainWindow* main = d.main();
    xdotool(main, {"key", "5", "Return"});
    QTRY_COMPARE(spins(d), 1);
    if (menu.first() == "mouse") {
      QMenuBar* bar = main->menuBar();
      const QPoint at = bar->mapToGlobal(bar->actionGeometry(bar->actions().first()).center());
      menu = QStringList{"mousemove",
                         QString::number(at.x()),
                         QString::number(at.y()),
                         "click",
                         "1",
                         "sleep",
                         "0.3",
                         "key",
                         "Escape"};
    }
    xdotool(main, menu + QStringList{"sleep", "0.3", "key", "1", "7", "Return"});
    QTRY_COMPARE(spins(d), 2);
    QCOMPARE(d.app().vars.SpinLog(2), 17);  // index 16, stored one up
    QVERIFY(!QApplication::activePopupWidget());
  }

  void tenRestartsMoveNoWindow() {
    const TestFolder home;
    std::filesystem::copy(VARNET_ASSETS_DIR, home.path(), std::filesystem::copy_options::recursive);
    WriteWindowSettings(home.path(), PointLater);
    // The places of separate windows, which a laptop screen would not pick by itself.
    std::ofstream(home.path() / "Data/Files/LAYOUT.INI")
        << "[General]\nversion=1\nlayout=separate\n";
    std::map<FormId, QPoint> first;
    for (int start = 0; start <= 10; ++start) {
      FrontEnd program(home.path());
      QVERIFY(program.start());
      QMainWindow* main = program.view(FormId::Main_F)->window();
      QVERIFY(QTest::qWaitForWindowExposed(main));
      // Point is shown by its check box well after the start (when the program no longer
      // waits for the window manager to frame the windows it made), and hidden again
      // before the end.
      QTest::qWait(2500);
      program.send({EventKind::Click, FormId::Main_F, &Main_F(program.app()).Point_C, {}});
      std::map<FormId, QPoint> now;
      for (FormId id : {FormId::Main_F, FormId::Black_or_Red_F, FormId::Point_F, FormId::Area_F,
                        FormId::Total_F}) {
        QMainWindow* w = program.view(id)->window();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QVERIFY(QTest::qWaitFor([w] { return w->frameGeometry() != w->geometry(); }));
        QTest::qWait(300);  // the program straightens a window the manager has just framed
        now[id] = w->frameGeometry().topLeft();
        QVERIFY2(w->screen()->availableGeometry().contains(now[id]), FormName(id));
      }
      if (start == 0) {
        first = now;
        // At the first start no status window covers the main window where there is room.
        const QRect main = program.view(FormId::Main_F)->window()->frameGeometry();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        for (FormId id : StatusWindows) {
          const QRect frame = program.view(id)->window()->frameGeometry();
          if (screen.right() - main.right() >= frame.width())
            QVERIFY2(!frame.intersects(main), FormName(id));
        }
      }
      for (const auto& [id, at] : now)
        QVERIFY2(at == first[id], qPrintable(QString("%1 at start %2: (%3, %4), first (%5, %6)")
                                                 .arg(FormName(id))
                                                 .arg(start)
                                                 .arg(at.x())
                                                 .arg(at.y())
                                                 .arg(first[id].x())
                                                 .arg(first[id].y())));
      program.send({EventKind::Click, FormId::Main_F, &Main_F(program.app()).Point_C, {}});
    }
  }
};

QTEST_MAIN(WindowManagerTest)
#include "window_manager_test.moc"
