#include "gui/window_places.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "store/data_file.h"
#include "store/file_group.h"
#include "windows/app.h"

namespace {

const char* const PlacesFile = "Data/Files/WINDOWS.FIL";

// Between windows placed side by side.
constexpr int Gap = 8;
// How much of a window's top edge (where its title bar is) a screen must show for the
// user to reach it.
constexpr int ReachableWidth = 64;
constexpr int ReachableHeight = 16;
// Places beyond this are not from this program.
constexpr long Far = 1'000'000;

std::size_t slot(FormId id) {
  return static_cast<std::size_t>(id);
}

std::optional<FormId> formByName(std::string_view name) {
  for (int i = 0; i < FormCount; ++i)
    if (name == FormName(static_cast<FormId>(i))) return static_cast<FormId>(i);
  return std::nullopt;
}

QSize sizeOf(const QWidget& w) {
  return w.testAttribute(Qt::WA_Resized) ? w.size() : w.sizeHint();
}

QMargins decoration(const QWidget& w) {
  const QRect frame = w.frameGeometry(), inner = w.geometry();
  return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
          frame.bottom() - inner.bottom()};
}

QScreen* screenOf(const QWidget* w) {
  QScreen* s = w ? w->screen() : nullptr;
  return s ? s : QGuiApplication::primaryScreen();
}

// The place nearest to `r` where all of it that fits lies inside `area`.
QPoint clampInto(const QRect& r, const QRect& area) {
  const int x = std::max(area.left(), std::min(r.left(), area.right() + 1 - r.width()));
  const int y = std::max(area.top(), std::min(r.top(), area.bottom() + 1 - r.height()));
  return {x, y};
}

bool reachable(const QRect& frame) {
  const QRect top(frame.topLeft(), QSize(frame.width(), ReachableHeight));
  for (const QScreen* s : QGuiApplication::screens()) {
    const QRect seen = s->availableGeometry().intersected(top);
    if (seen.width() >= std::min(ReachableWidth, frame.width()) && seen.height() >= ReachableHeight)
      return true;
  }
  return false;
}

long long overlap(const QRect& a, const QRect& b) {
  const QRect c = a.intersected(b);
  return c.isEmpty() ? 0 : static_cast<long long>(c.width()) * c.height();
}

// The first-time place of a frame of `size`: of the corners beside the main window and
// beside or below the windows shown, the first that covers least of the main window, then
// least of the others.
QPoint besideMain(QSize size, const QRect& main, const std::vector<QRect>& shown,
                  const QRect& area) {
  std::vector<QPoint> corners = {{main.right() + 1 + Gap, area.top()}};
  for (const QRect& r : shown) {
    corners.push_back({r.left(), r.bottom() + 1 + Gap});
    corners.push_back({r.right() + 1 + Gap, r.top()});
  }
  corners.push_back({main.right() + 1 + Gap, area.bottom() + 1 - size.height()});
  corners.push_back({area.right() + 1 - size.width(), area.top()});
  QPoint best;
  std::pair<long long, long long> least{-1, -1};
  for (const QPoint& corner : corners) {
    const QRect r(clampInto(QRect(corner, size), area), size);
    std::pair<long long, long long> covered{overlap(r, main), 0};
    for (const QRect& other : shown) covered.second += overlap(r, other);
    if (least.first < 0 || covered < least) {
      least = covered;
      best = r.topLeft();
    }
  }
  return best;
}

}  // namespace

bool StandClearOfMain(QSize main, const std::vector<QSize>& others, const QRect& area) {
  const QRect mainFrame(area.topLeft(), main.boundedTo(area.size()));
  std::vector<QRect> shown;
  for (const QSize& size : others) {
    if (size.width() > area.width() || size.height() > area.height()) return false;
    const QRect r(besideMain(size, mainFrame, shown, area), size);
    if (r.intersects(mainFrame)) return false;
    shown.push_back(r);
  }
  return true;
}

QRect FrameOf(const QWidget& window, const QWidget* main) {
  QMargins frame = decoration(window);
  if (frame.isNull() && main && main != &window) frame = decoration(*main);
  const QRect inner(window.frameGeometry().topLeft() + QPoint(frame.left(), frame.top()),
                    sizeOf(window));
  return inner.marginsAdded(frame);
}

void WindowPlaces::load() {
  loaded_ = true;
  const auto read = ReadDataFile(app_, PlacesFile);
  if (!read.result.done()) return;
  FieldScanner in(read.value);
  do {
    RawField name, x, y, extra;
    if (!in.nextField(name) || !name.quoted || !in.nextField(x) || !in.nextField(y) ||
        in.nextField(extra))
      continue;
    const auto id = formByName(name.bytes);
    const auto left = AsInteger(x), top = AsInteger(y);
    if (id && left && top && std::abs(*left) < Far && std::abs(*top) < Far)
      places_[slot(*id)] = QPoint(static_cast<int>(*left), static_cast<int>(*top));
  } while (in.nextLine());
}

void WindowPlaces::place(FormId id, QWidget& window, const QWidget* main,
                         const std::vector<QRect>& shown) {
  if (!loaded_) load();
  const QRect frame = FrameOf(window, main);
  const QRect area = screenOf(main)->availableGeometry();
  QPoint at;
  if (const auto& last = places_[slot(id)]) {
    at = *last;
    const QRect there(at, frame.size());
    if (!reachable(there)) at = clampInto(there, area);
  } else if (id == FormId::Main_F || !main) {
    at = area.topLeft();
  } else {
    at = besideMain(frame.size(), FrameOf(*main, main), shown, area);
  }
  window.move(at);
  unframed_[slot(id)] = decoration(window).isNull() ? std::optional<QPoint>(at) : std::nullopt;
  if (places_[slot(id)] != at) {
    places_[slot(id)] = at;
    changed_ = true;
  }
}

bool WindowPlaces::straighten(FormId id, QWidget& window) {
  const auto at = unframed_[slot(id)];
  if (!at) return true;
  if (decoration(window).isNull()) return false;
  // The frame as it is now may be larger than the one the place was found for. Looked at
  // again after a move, until the frame stands where it belongs: the window manager may
  // still be settling its borders.
  const QRect frame(*at, window.frameGeometry().size());
  const QPoint to = clampInto(frame, screenOf(&window)->availableGeometry());
  if (window.frameGeometry().topLeft() != to) {
    window.move(to);
    return false;
  }
  unframed_[slot(id)] = std::nullopt;
  return true;
}

void WindowPlaces::remember(FormId id, const QWidget& window) {
  const QPoint at = window.pos();
  if (places_[slot(id)] == at) return;
  places_[slot(id)] = at;
  changed_ = true;
}

void WindowPlaces::save() {
  if (!changed_) return;
  changed_ = false;
  LayoutWriter out;
  for (int i = 0; i < FormCount; ++i) {
    const auto& at = places_[static_cast<std::size_t>(i)];
    if (!at) continue;
    out.text(FormName(static_cast<FormId>(i)));
    out.integer(at->x(), -Far, Far);
    out.integer(at->y(), -Far, Far);
    out.endLine();
  }
  ReplaceFiles(*app_.disk, {{DataPath(app_, PlacesFile), std::move(out.bytes)}}, false);
}
