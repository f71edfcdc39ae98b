#pragma once

#include "gui/form_view.h"
#include "windows/black_or_red_form.h"

// The Black-or-Red window: a row for red and one for black with their counts, shares,
// flags, lights and tallies; the strategy's totals; the status frame.
class BlackOrRedView : public FormView {
 public:
  BlackOrRedView(FrontEnd& frontEnd, BlackOrRedForm& form);
};
