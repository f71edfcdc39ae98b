#pragma once

#include "gui/form_view.h"
#include "windows/point_form.h"

// The Point window: the numbers 1..36 in two blocks of rows with their columns and lamps,
// the limit and its buttons, the status frame, and the Mode menu.
class PointView : public FormView {
 public:
  PointView(FrontEnd& frontEnd, PointForm& form);
};
