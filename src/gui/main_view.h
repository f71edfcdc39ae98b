#pragma once

#include <array>

#include "gui/form_view.h"
#include "windows/main_form.h"

class QScrollArea;

// The main window: totals and commands on top, one row per pocket, the strip of the 25
// most recent results on the right, and the menu. On a short screen the rows grow
// shorter, and below that they scroll together with the strip.
class MainView : public FormView {
 public:
  MainView(FrontEnd& frontEnd, MainForm& form);

 private:
  QWidget* rows(MainForm& m);
  void buildMenu(MainForm& m);
  // Moves the frame to the row of the last spin and brings that row into view.
  void markLastSpin(const std::string& numberText);

  std::array<ClickLabel*, 38> numbers_{};
  ClickLabel* marked_ = nullptr;
  QLabel* newest_ = nullptr;  // the strip cell of the newest result
  QLabel* refusal_ = nullptr;
  QScrollArea* scroll_ = nullptr;
};
