#pragma once

#include <QPoint>
#include <QRect>
#include <array>
#include <optional>
#include <vector>

#include "windows/forms.h"

class App;
class QWidget;

// Where the windows stand on the screen. Each window's place is kept across hide and show,
// unloads and restarts, in Data/Files/WINDOWS.FIL: one line a window, its name and the
// top-left corner of its frame, as in "Area_F",716,0. The first time, the main window
// opens at the top left of the screen's available area and every other window beside it.
class WindowPlaces {
 public:
  explicit WindowPlaces(App& app) : app_(app) {}

  // Moves a window that has just been made to its place: where it stood last, moved back
  // onto a screen when that is off every screen now (a monitor was unplugged), or the
  // first time beside the main window, clear of it and as clear as can be of the windows
  // shown (`shown`, frames), inside the available area. The file is read at the first
  // place, when the program has taken its folder: a missing or unreadable file, or line,
  // leaves its windows to be placed as the first time.
  void place(FormId id, QWidget& window, const QWidget* main, const std::vector<QRect>& shown);
  // A window placed before the window manager framed it may have been put with its inside
  // where its frame belongs: once framed, its frame is moved to the place (kept inside the
  // screen with the frame's real size). False until the frame stands there.
  bool straighten(FormId id, QWidget& window);
  // Notes where a window stands now.
  void remember(FormId id, const QWidget& window);
  // Writes the file when a place changed since it was last written. A file that cannot
  // be written costs only the places.
  void save();

 private:
  void load();

  App& app_;
  std::array<std::optional<QPoint>, FormCount> places_;
  // Places given to windows that had no frame yet.
  std::array<std::optional<QPoint>, FormCount> unframed_;
  bool loaded_ = false;
  bool changed_ = false;
};

// A window's frame: its place and size with the window manager's frame around it (before
// the window manager has framed it, as much as it frames the main window).
QRect FrameOf(const QWidget& window, const QWidget* main);

// Whether windows (frames of `others`) opened for the first time can stand beside a main
// window (frame of `main`, at the top left of `area`) without covering any of it.
bool StandClearOfMain(QSize main, const std::vector<QSize>& others, const QRect& area);
