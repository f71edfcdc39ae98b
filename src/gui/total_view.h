#pragma once

#include "gui/form_view.h"
#include "windows/total_form.h"

// The Total window: the overall tallies, rate and status inside the "Total  Status" frame.
class TotalView : public FormView {
 public:
  TotalView(FrontEnd& frontEnd, TotalForm& form);
};
