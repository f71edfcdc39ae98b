#pragma once

#include "gui/form_view.h"
#include "windows/main_form.h"

// The main window: totals and commands on top, one row per pocket, the strip of the 25
// most recent results on the right, and the menu.
class MainView : public FormView {
 public:
  MainView(FrontEnd& frontEnd, MainForm& form);

 private:
  void buildMenu(MainForm& m);
};
