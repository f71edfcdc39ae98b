#pragma once

#include "gui/form_view.h"
#include "windows/version_form.h"

// The About window: title, version, requirements, icon and the help buttons.
class VersionView : public FormView {
 public:
  VersionView(FrontEnd& frontEnd, VersionForm& form);
};
