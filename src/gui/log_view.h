#pragma once

#include "gui/form_view.h"
#include "windows/log_form.h"

// The log window: 100 entries in five columns of 20 (entry number left of the number),
// and beside them the page switch, the search toggles and "Clear".
class LogView : public FormView {
 public:
  LogView(FrontEnd& frontEnd, LogForm& form);
};
