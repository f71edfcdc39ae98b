#include "gui/status_docks.h"

#include <QCloseEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QSettings>
#include <algorithm>
#include <vector>

#include "gui/form_view.h"
#include "gui/screen_fit.h"

namespace {

// The panels from the top of the column, as their check boxes stand on the main window.
constexpr FormId PanelOrder[] = {FormId::Black_or_Red_F, FormId::Area_F, FormId::Point_F,
                                 FormId::Total_F};

// Read back only from a file of this version.
constexpr int LayoutVersion = 1;
// Room for the tabs above panels tabbed together.
constexpr int TabBarHeight = 28;

}  // namespace

void StatusDock::closeEvent(QCloseEvent* e) {
  e->ignore();
  emit closeRequested();
}

std::optional<LayoutChoice> ReadLayoutChoice(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  const QSettings in(QString::fromStdString(file.string()), QSettings::IniFormat);
  if (in.status() != QSettings::NoError || in.value("version").toInt() != LayoutVersion)
    return std::nullopt;
  const QString layout = in.value("layout").toString();
  if (layout != "one" && layout != "separate") return std::nullopt;
  return LayoutChoice{layout == "one", in.value("panels").toByteArray(), in.value("size").toSize()};
}

void WriteLayoutChoice(const std::filesystem::path& file, const LayoutChoice& choice) {
  QSettings out(QString::fromStdString(file.string()), QSettings::IniFormat);
  out.clear();
  out.setValue("version", LayoutVersion);
  out.setValue("layout", choice.oneWindow ? "one" : "separate");
  if (!choice.panels.isEmpty()) out.setValue("panels", choice.panels);
  if (choice.size.isValid()) out.setValue("size", choice.size);
  out.sync();
}

StatusDocks::~StatusDocks() {
  for (const QPointer<StatusDock>& d : docks_)
    if (d) d->disconnect();
}

StatusDock* StatusDocks::dock(FormId id, FormView& view, QMainWindow& main) {
  QPointer<StatusDock>& dock = docks_[static_cast<std::size_t>(id)];
  if (!dock || dock->parentWidget() != &main) {
    dock = new StatusDock(view.window()->windowTitle(), &main);
    // The name saves and restores its place in the arrangement.
    dock->setObjectName(QString("%1_Panel").arg(FormName(id)));
    dock->setAllowedAreas(Qt::AllDockWidgetAreas);
    main.addDockWidget(Qt::RightDockWidgetArea, dock);
    QObject::connect(dock, &StatusDock::closeRequested, dock, [this, id] { closed_(id); });
    QObject::connect(dock, &QDockWidget::topLevelChanged, dock, [this] { moved_(); });
    QObject::connect(dock, &QDockWidget::dockLocationChanged, dock, [this] { moved_(); });
  }
  view.dockInto(dock);
  return dock;
}

void StatusDocks::arrange(QMainWindow& main) {
  std::vector<StatusDock*> panels;
  for (FormId id : PanelOrder)
    if (StatusDock* d = panel(id)) {
      d->setFloating(false);
      main.addDockWidget(Qt::RightDockWidgetArea, d);
      panels.push_back(d);
    }
  if (panels.empty()) return;
  const QSize room = RoomOnScreen(&main);
  const int menu = main.menuBar()->sizeHint().height();
  // Greedy: each panel opens a new group below the last while the column still fits the
  // screen's height; otherwise it joins the last group as a tab.
  std::vector<std::vector<StatusDock*>> groups;
  std::vector<int> heights;
  int column = menu;
  for (StatusDock* d : panels) {
    const QSize want = d->sizeHint();
    if (groups.empty() || column + want.height() <= room.height()) {
      groups.push_back({d});
      heights.push_back(want.height());
      column += want.height();
      continue;
    }
    if (groups.back().size() == 1) column += TabBarHeight;
    if (want.height() > heights.back()) column += want.height() - heights.back();
    heights.back() = std::max(heights.back(), want.height());
    main.tabifyDockWidget(groups.back().front(), d);
    groups.back().push_back(d);
  }
  for (std::size_t g = 1; g < groups.size(); ++g)
    main.splitDockWidget(groups[g - 1].front(), groups[g].front(), Qt::Vertical);
  // The largest panel of each group of tabs is in front.
  for (const auto& group : groups)
    (*std::max_element(group.begin(), group.end(), [](StatusDock* a, StatusDock* b) {
      const QSize x = a->sizeHint(), y = b->sizeHint();
      return x.width() * x.height() < y.width() * y.height();
    }))->raise();
  std::vector<QDockWidget*> firsts;
  for (const auto& group : groups) firsts.push_back(group.front());
  main.resizeDocks({firsts.begin(), firsts.end()}, {heights.begin(), heights.end()}, Qt::Vertical);
  shown_ = -1;
}

void StatusDocks::fit(QMainWindow& main) {
  int shown = 0, width = 0;
  QList<QDockWidget*> beside;
  for (std::size_t i = 0; i < docks_.size(); ++i) {
    StatusDock* d = docks_[i];
    if (!d || d->isHidden() || d->isFloating()) continue;
    shown |= 1 << i;
    const Qt::DockWidgetArea at = main.dockWidgetArea(d);
    if (at != Qt::LeftDockWidgetArea && at != Qt::RightDockWidgetArea) continue;
    width = std::max(width, d->sizeHint().width());
    beside.append(d);
  }
  if (shown == shown_) return;
  shown_ = shown;
  if (beside.isEmpty()) return;
  const int rows = main.centralWidget()->sizeHint().width();
  const QSize room = RoomOnScreen(&main);
  width = std::min(width, std::max(0, room.width() - rows));
  // The window grows to hold the panels beside the rows, and the column of them, as far as
  // the screen allows (beyond, the panels scroll). It keeps its size when panels hide: they
  // are hidden for a moment while Save & Load or Version is open.
  main.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  const QSize wanted(std::max(main.width(), rows + width),
                     std::max(main.height(), std::min(room.height(), main.sizeHint().height())));
  if (wanted != main.size()) main.resize(wanted);
  main.resizeDocks(beside, QList<int>(beside.size(), width), Qt::Horizontal);
}

QByteArray StatusDocks::save(const QMainWindow& main) const {
  return main.saveState(LayoutVersion);
}

bool StatusDocks::restore(QMainWindow& main, const QByteArray& panels) {
  shown_ = -1;
  if (!panels.isEmpty() && main.restoreState(panels, LayoutVersion)) return true;
  arrange(main);
  return false;
}

void StatusDocks::clear() {
  for (QPointer<StatusDock>& d : docks_) {
    delete d.data();
    d = nullptr;
  }
}
