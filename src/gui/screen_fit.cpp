#include "gui/screen_fit.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>

namespace {

// Borders of a window frame, beside the title bar, at most this wide.
constexpr int FrameBorder = 4;

}  // namespace

FullScrollArea::FullScrollArea(QWidget* contents) {
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(true);
  setWidget(contents);
}

QSize FullScrollArea::sizeHint() const {
  // Room for a vertical scroll bar too, so that scrolling never needs a horizontal one.
  const int frame = 2 * frameWidth();
  return widget()->sizeHint() + QSize(verticalScrollBar()->sizeHint().width() + frame, frame);
}

QSize FrameAllowance(const QWidget* window) {
  const int title = window->style()->pixelMetric(QStyle::PM_TitleBarHeight);
  return {2 * FrameBorder, title + 2 * FrameBorder};
}

QSize RoomOnScreen(const QWidget* window) {
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  return screen->availableGeometry().size() - FrameAllowance(window);
}

void FitToScreen(QMainWindow* window) {
  const QSize size = window->sizeHint();
  const QSize room = RoomOnScreen(window);
  if (size.width() <= room.width() && size.height() <= room.height()) {
    window->setFixedSize(size);
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
    return;
  }
  window->setCentralWidget(new FullScrollArea(window->takeCentralWidget()));
  OpenResizable(window);
}

void OpenResizable(QMainWindow* window) {
  const QSize full = window->sizeHint();
  window->setMaximumSize(full);
  window->resize(full.boundedTo(RoomOnScreen(window)));
}
