#pragma once

#include "gui/form_view.h"
#include "windows/save_load_form.h"

// The five save slots, one row each: name, date of the last save, comment, Save, Load;
// "OK" below.
class SaveLoadView : public FormView {
 public:
  SaveLoadView(FrontEnd& frontEnd, SaveLoadForm& form);

 private:
  QPushButton* keyButton(CommandButton& c);
};
