#pragma once

#include <QByteArray>
#include <QDockWidget>
#include <QPointer>
#include <QSize>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>

#include "windows/forms.h"

class FormView;
class QMainWindow;

// The close box of a status panel asks the program, as a status window's close box does.
class StatusDock : public QDockWidget {
  Q_OBJECT
 public:
  using QDockWidget::QDockWidget;
 signals:
  void closeRequested();

 protected:
  void closeEvent(QCloseEvent* e) override;
};

// How the player last left the one-window layout, kept in Data/Files/LAYOUT.INI beside the
// window places: the layout, the panels' arrangement (docked, tabbed, floating) and the
// main window's size. A missing or damaged file reads as no choice made yet.
struct LayoutChoice {
  bool oneWindow = false;
  QByteArray panels;
  QSize size;
};
std::optional<LayoutChoice> ReadLayoutChoice(const std::filesystem::path& file);
// A file that cannot be written costs only the arrangement.
void WriteLayoutChoice(const std::filesystem::path& file, const LayoutChoice& choice);

// The one-window layout: the status windows (Black or Red, Area, Point, Total) as panels
// beside the main window's rows, each in a dock that can be floated off and docked back.
// A panel holds the status window's own view, moved in whole: there is never a second copy.
class StatusDocks {
 public:
  // `closed` runs when the player presses a panel's close box; `moved` when a panel is
  // floated, docked or moved to another side.
  StatusDocks(std::function<void(FormId)> closed, std::function<void()> moved)
      : closed_(std::move(closed)), moved_(std::move(moved)) {}
  StatusDocks(const StatusDocks&) = delete;
  StatusDocks& operator=(const StatusDocks&) = delete;
  // Panels may outlive this (their window goes later): they no longer call it.
  ~StatusDocks();
  // Moves a status window's view into its panel on `main`, making the panel on first use.
  StatusDock* dock(FormId id, FormView& view, QMainWindow& main);
  // Puts every panel back in the default arrangement: one column at the right of the rows,
  // panels tabbed together where the column would be taller than the screen allows.
  void arrange(QMainWindow& main);
  // After panels were shown or hidden: the main window grows to hold the panels beside
  // its rows, as far as the screen allows.
  void fit(QMainWindow& main);
  QByteArray save(const QMainWindow& main) const;
  // The arrangement saved earlier; false (and the default arrangement) when it cannot be
  // read back.
  bool restore(QMainWindow& main, const QByteArray& panels);
  // Takes the panels away; the views in them must have been moved out first.
  void clear();
  StatusDock* panel(FormId id) const { return docks_[static_cast<std::size_t>(id)]; }

 private:
  std::function<void(FormId)> closed_;
  std::function<void()> moved_;
  std::array<QPointer<StatusDock>, FormCount> docks_;
  // The panels shown in the main window when it was last fitted to them (a bit a window).
  int shown_ = -1;
};
