#include "gui/area_view.h"
#include "gui/front_end.h"
#include "gui/main_view.h"
#include "gui/version_view.h"

std::unique_ptr<FormView> MakeView(FrontEnd& frontEnd, Form& form) {
  switch (form.id()) {
    case FormId::Main_F:
      return std::make_unique<MainView>(frontEnd, static_cast<MainForm&>(form));
    case FormId::Version_F:
      return std::make_unique<VersionView>(frontEnd, static_cast<VersionForm&>(form));
    case FormId::Area_F:
      return std::make_unique<AreaView>(frontEnd, static_cast<AreaForm&>(form));
    default:
      return nullptr;
  }
}
