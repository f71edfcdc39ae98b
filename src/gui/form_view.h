#pragma once

#include <QPixmap>
#include <cstdint>
#include <functional>
#include <vector>

#include "gui/widgets.h"
#include "windows/form.h"

class FrontEnd;
class QAction;
class QDockWidget;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;

// A window record drawn as a real window. Each widget is bound to its control, named by
// the control's address ("Count_P(6)"), and redrawn only when the control has changed.
class FormView {
 public:
  FormView(FrontEnd& frontEnd, Form& form);
  FormView(const FormView&) = delete;
  FormView& operator=(const FormView&) = delete;
  virtual ~FormView();

  FormWindow* window() const { return window_; }
  Form& form() const { return form_; }
  // Applies what changed since the last refresh: controls, visibility, stacking.
  void refresh();
  // Moves the window into a panel of the main window (the one-window layout), where the
  // panel shows and hides it; and back out to a window of its own.
  void dockInto(QDockWidget* dock);
  void undock();
  QDockWidget* dock() const { return dock_; }

 protected:
  // Runs after a refresh that found the window changed: for what a view draws beyond its
  // bound widgets (a chart).
  virtual void refreshed() {}

  ClickLabel* label(Label& c);
  QLineEdit* textBox(TextBox& c, bool editable = false);
  // A lamp or coloured light; `fixed` is a picture it always shows (hit picture, icon).
  ClickLabel* picture(PictureBox& c, QSize size, const QPixmap* fixed = nullptr);
  QPushButton* button(CommandButton& c);
  ModelCheckBox* checkBox(CheckBox& c);
  QAction* action(MenuItem& c, bool checkable = false);
  // A command on the menu bar itself.
  QAction* barAction(MenuItem& c);
  QGroupBox* frame(Frame& c);
  // Runs `changed` now and whenever the control changes: for a control drawn otherwise
  // than by a widget of its own.
  void watch(Control& c, std::function<void()> changed);

  FrontEnd& frontEnd_;

 private:
  struct Binding {
    Control* control;
    QObject* widget;
    std::uint64_t seen;
    std::function<void()> changed;  // instead of drawing the widget
  };
  void bind(Control& c, QObject* w);
  void handBackKeyboard();
  void click(Control& c);
  QAction* makeAction(MenuItem& c, bool checkable, bool onMenuBar);

  Form& form_;
  FormWindow* window_;
  QDockWidget* dock_ = nullptr;
  // The window's own flags, while it stands in a panel.
  Qt::WindowFlags ownFlags_;
  std::vector<Binding> bindings_;
  std::uint64_t formSeen_ = ~0ull;
  bool topmost_ = false;
  // A window the player opens (Log, Save & Load, statistics, Version) comes up above all.
  bool opensOnTop_;
};
