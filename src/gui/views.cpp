#include "gui/area_view.h"
#include "gui/black_or_red_view.h"
#include "gui/front_end.h"
#include "gui/log_view.h"
#include "gui/main_view.h"
#include "gui/point_view.h"
#include "gui/save_load_view.h"
#include "gui/statistics_view.h"
#include "gui/total_view.h"
#include "gui/version_view.h"

std::unique_ptr<FormView> MakeView(FrontEnd& frontEnd, Form& form) {
  switch (form.id()) {
    case FormId::Main_F:
      return std::make_unique<MainView>(frontEnd, static_cast<MainForm&>(form));
    case FormId::Area_F:
      return std::make_unique<AreaView>(frontEnd, static_cast<AreaForm&>(form));
    case FormId::Point_F:
      return std::make_unique<PointView>(frontEnd, static_cast<PointForm&>(form));
    case FormId::Black_or_Red_F:
      return std::make_unique<BlackOrRedView>(frontEnd, static_cast<BlackOrRedForm&>(form));
    case FormId::Total_F:
      return std::make_unique<TotalView>(frontEnd, static_cast<TotalForm&>(form));
    case FormId::Version_F:
      return std::make_unique<VersionView>(frontEnd, static_cast<VersionForm&>(form));
    case FormId::Log_F:
      return std::make_unique<LogView>(frontEnd, static_cast<LogForm&>(form));
    case FormId::Save_Load_F:
      return std::make_unique<SaveLoadView>(frontEnd, static_cast<SaveLoadForm&>(form));
    case FormId::Stats_F:
      return std::make_unique<StatisticsView>(frontEnd, static_cast<StatisticsForm&>(form));
    default:
      return nullptr;
  }
}
