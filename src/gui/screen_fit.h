#pragma once

#include <QScrollArea>
#include <QSize>

class QMainWindow;
class QWidget;

// A scroll area that asks for the whole of its contents, so that a window holding it opens
// at full size where the screen has room, and scrolls only where it has not.
class FullScrollArea : public QScrollArea {
  Q_OBJECT
 public:
  explicit FullScrollArea(QWidget* contents);
  QSize sizeHint() const override;
};

// Before a window is shown its frame is not known: room for a title bar and borders.
QSize FrameAllowance(const QWidget* window);

// The room for a window on the screen it opens on: the available area (without panels)
// less the window's frame.
QSize RoomOnScreen(const QWidget* window);

// A window of fixed contents: its own size when that fits the room on its screen, with no
// maximise button; otherwise its contents scroll in a resizable window that fits.
void FitToScreen(QMainWindow* window);

// A window that can be resized, up to its full size: it opens at full size, or as large as
// the room on its screen allows.
void OpenResizable(QMainWindow* window);
