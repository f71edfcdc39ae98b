#include <QDockWidget>
#include <QGuiApplication>
#include <QScreen>
#include <QTabBar>
#include <QtTest>
#include <fstream>

#include "../support/desktop.h"

// The one-window layout: the status windows as panels of the main window. The first two
// cases need a real window manager (with_window_manager.sh) on the screen they name.

namespace {

// Every status window shown, sound off.
const char* const AllShown = "1,1,1,1,0,1,1,10";
const FormId StatusWindows[] = {FormId::Black_or_Red_F, FormId::Area_F, FormId::Point_F,
                                FormId::Total_F};

bool onScreen(int width, int height) {
  return QGuiApplication::platformName() == "xcb" &&
         QGuiApplication::primaryScreen()->size() == QSize(width, height);
}

// Waits until the window manager has framed every top-level window shown, and settled.
QList<QWidget*> framedWindows() {
  QList<QWidget*> shown;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && w->isWindow()) shown.append(w);
  for (QWidget* w : shown) {
    if (!QTest::qWaitForWindowExposed(w)) return {};
    if (!QTest::qWaitFor([w] { return w->frameGeometry() != w->geometry(); })) return {};
  }
  QTest::qWait(500);  // the program straightens windows the manager has just framed
  return shown;
}

// A panel the player sees, or reaches with one click on a tab of its group.
bool seenOrOneTabAway(QMainWindow* main, QDockWidget* dock) {
  if (dock->isHidden()) return false;
  if (!dock->visibleRegion().isEmpty()) return true;
  for (const QTabBar* tabs : main->findChildren<QTabBar*>())
    for (int i = 0; i < tabs->count(); ++i)
      if (tabs->isVisible() && tabs->tabText(i) == dock->windowTitle()) return true;
  return false;
}

struct Arrangement {
  bool oneWindow;
  std::map<FormId, bool> floating;
  std::map<FormId, int> tabbedWith;

  explicit Arrangement(FrontEnd& p) : oneWindow(Main_F(p.app()).One_Window.checked()) {
    for (FormId id : StatusWindows) {
      QDockWidget* d = p.view(id)->dock();
      floating[id] = d && d->isFloating();
      tabbedWith[id] =
          d ? static_cast<int>(p.view(FormId::Main_F)->window()->tabifiedDockWidgets(d).size())
            : -1;
    }
  }
  bool operator==(const Arrangement&) const = default;
};

void click(FrontEnd& p, Control& c) {
  p.send({EventKind::Click, FormId::Main_F, &c, {}});
}

}  // namespace

class OneWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void aLaptopOpensOneWindowWithEveryPanelAtHand() {
    if (!onScreen(1366, 768)) QSKIP("needs a window manager and a 1366 x 768 screen");
    Desktop d(AllShown);
    QVERIFY(Main_F(d.app()).One_Window.checked());
    const QList<QWidget*> shown = framedWindows();
    QVERIFY(!shown.isEmpty());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (QWidget* a : shown) {
      QVERIFY2(screen.contains(a->frameGeometry()), qPrintable(a->objectName()));
      for (QWidget* b : shown)
        QVERIFY2(a == b || !a->frameGeometry().intersects(b->frameGeometry()),
                 qPrintable(a->objectName() + " over " + b->objectName()));
    }
    for (FormId id : StatusWindows) {
      QDockWidget* dock = d.frontEnd.view(id)->dock();
      QVERIFY2(dock && dock->isAncestorOf(d.window(id)), FormName(id));
      QVERIFY2(seenOrOneTabAway(d.main(), dock), FormName(id));
    }
  }

  void aWideScreenKeepsSeparateWindowsClearOfTheRows() {
    if (!onScreen(1920, 1080)) QSKIP("needs a window manager and a 1920 x 1080 screen");
    Desktop d(AllShown);
    QVERIFY(Main_F(d.app()).Separate_Windows.checked());
    QVERIFY(!framedWindows().isEmpty());
    const QRect main = d.main()->frameGeometry();
    for (FormId id : StatusWindows) {
      QVERIFY2(d.window(id)->isWindow() && d.window(id)->isVisible(), FormName(id));
      QVERIFY2(!d.window(id)->frameGeometry().intersects(main), FormName(id));
    }
  }

  // The panels' arrangement, floated and tabbed by the player, and the layout itself come
  // back at the next start; a damaged arrangement gives the default one.
  void aRestartKeepsTheLayout() {
    const TestFolder home;
    std::filesystem::copy(VARNET_ASSETS_DIR, home.path(), std::filesystem::copy_options::recursive);
    WriteWindowSettings(home.path(), AllShown);
    std::optional<Arrangement> left;
    {
      FrontEnd p(home.path());
      QVERIFY(p.start());
      click(p, Main_F(p.app()).One_Window);
      QMainWindow* main = p.view(FormId::Main_F)->window();
      QWidget* area = p.view(FormId::Area_F)->window();
      QVERIFY(p.view(FormId::Area_F)->dock()->isAncestorOf(area));
      // Switching moves the same windows out and back in.
      click(p, Main_F(p.app()).Separate_Windows);
      QVERIFY(area == p.view(FormId::Area_F)->window() && area->isWindow() && area->isVisible());
      click(p, Main_F(p.app()).One_Window);
      QVERIFY(p.view(FormId::Area_F)->dock()->isAncestorOf(area));
      p.view(FormId::Point_F)->dock()->setFloating(true);
      main->tabifyDockWidget(p.view(FormId::Black_or_Red_F)->dock(),
                             p.view(FormId::Total_F)->dock());
      left.emplace(p);
      QVERIFY(left->floating[FormId::Point_F] && left->tabbedWith[FormId::Total_F] >= 1);
    }
    {
      FrontEnd p(home.path());
      QVERIFY(p.start());
      QVERIFY(Arrangement(p) == *left);
      click(p, Main_F(p.app()).Separate_Windows);
    }
    {
      FrontEnd p(home.path());
      QVERIFY(p.start());
      QVERIFY(Main_F(p.app()).Separate_Windows.checked() && !p.view(FormId::Area_F)->dock());
    }
    std::ofstream(home.path() / "Data/Files/LAYOUT.INI")
        << "[General]\nversion=1\nlayout=one\npanels=@ByteArray(damaged)\n";
    FrontEnd p(home.path());
    QVERIFY(p.start());
    const Arrangement fresh(p);
    QVERIFY(fresh.oneWindow);
    for (FormId id : StatusWindows) QVERIFY2(!fresh.floating.at(id), FormName(id));
  }

  // The check boxes and the close box of a panel show and hide it as they do a window.
  void theCheckBoxesShowAndHideAPanel() {
    Desktop d(AllShown);
    MainForm& m = Main_F(d.app());
    click(d.frontEnd, m.One_Window);
    QDockWidget* dock = d.frontEnd.view(FormId::Black_or_Red_F)->dock();
    QVERIFY(dock && !dock->isHidden());
    click(d.frontEnd, m.OR);
    QVERIFY(dock->isHidden() && !Black_or_Red_F(d.app()).visible());
    click(d.frontEnd, m.OR);
    QVERIFY(!dock->isHidden() && Black_or_Red_F(d.app()).visible());
    dock->close();
    QVERIFY(dock->isHidden() && m.OR.value() == 0);
  }
};

QTEST_MAIN(OneWindowTest)
#include "one_window_test.moc"
