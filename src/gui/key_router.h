#pragma once

#include <QObject>

class FrontEnd;

// Keeps the player's typing on the main window's entry. A digit typed while the menu bar
// holds the keyboard (after Alt, F10 or a menu closed with Esc), or while another window
// of the program is active, goes to the entry; so do Enter and Backspace while digits
// wait there. A text box being edited keeps its keys, and so do questions and open menus.
class KeyRouter : public QObject {
 public:
  explicit KeyRouter(FrontEnd& frontEnd) : frontEnd_(frontEnd) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  FrontEnd& frontEnd_;
};
