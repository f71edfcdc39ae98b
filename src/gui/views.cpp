#include "gui/front_end.h"
#include "gui/main_view.h"
#include "gui/save_load_view.h"

std::unique_ptr<FormView> MakeView(FrontEnd& frontEnd, Form& form) {
  switch (form.id()) {
    case FormId::Main_F:
      return std::make_unique<MainView>(frontEnd, static_cast<MainForm&>(form));
    case FormId::Save_Load_F:
      return std::make_unique<SaveLoadView>(frontEnd, static_cast<SaveLoadForm&>(form));
    default:
      return nullptr;
  }
}
