#pragma once

#include "gui/form_view.h"
#include "windows/area_form.h"

// The area window: six area frames with their cells, figures and verdicts, the
// all-areas status, the pool of unplaced numbers with the save button, and the menu.
class AreaView : public FormView {
 public:
  AreaView(FrontEnd& frontEnd, AreaForm& form);

 private:
  // Each part is placed in `parent` before it is filled, so that its contents count in
  // the window's size from the start.
  QWidget* areaFrame(QWidget* parent, AreaForm& a, int k);
  QWidget* statusFrame(QWidget* parent, AreaForm& a);
  QWidget* pool(QWidget* parent, AreaForm& a);
};
