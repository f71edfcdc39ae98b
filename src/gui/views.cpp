#include "gui/front_end.h"
#include "gui/log_view.h"
#include "gui/main_view.h"

std::unique_ptr<FormView> MakeView(FrontEnd& frontEnd, Form& form) {
  switch (form.id()) {
    case FormId::Main_F:
      return std::make_unique<MainView>(frontEnd, static_cast<MainForm&>(form));
    case FormId::Log_F:
      return std::make_unique<LogView>(frontEnd, static_cast<LogForm&>(form));
    default:
      return nullptr;
  }
}
