#include "windows/forms.h"

#include "area/area_window.h"
#include "core/app.h"
#include "core/startup.h"
#include "log/log_window.h"
#include "predict/black_or_red_strategy.h"
#include "predict/point_strategy.h"
#include "predict/total_window.h"
#include "store/save_slots.h"
#include "windows/about_window.h"
#include "windows/main_commands.h"

Form& FormHostBase::load(App& app) {
  if (Form* f = record()) return *f;
  create();
  ++generation_;
  if (onLoad) onLoad(app);
  return *record();
}

void FormHostBase::unload(App& app) {
  if (!loaded()) return;
  if (onUnload) onUnload(app);
  destroy();
  ++generation_;
}

Forms::Forms() {
  main.onLoad = Main_F_Load;
  main.onQueryUnload = Main_F_QueryUnload;
  area.onLoad = Area_F_Load;
  area.onQueryUnload = StatusWindow_QueryUnload;
  point.onLoad = Point_F_Load;
  point.onQueryUnload = StatusWindow_QueryUnload;
  blackOrRed.onLoad = Black_or_Red_F_Load;
  blackOrRed.onQueryUnload = StatusWindow_QueryUnload;
  total.onLoad = Total_F_Load;
  total.onQueryUnload = StatusWindow_QueryUnload;
  log.onLoad = Log_F_Load;
  saveLoad.onLoad = Save_Load_F_Load;
  saveLoad.onUnload = Save_Load_F_Unload;
  version.onUnload = Version_F_Unload;
}

FormHostBase& Forms::host(FormId id) {
  switch (id) {
    case FormId::Main_F:
      return main;
    case FormId::Area_F:
      return area;
    case FormId::Point_F:
      return point;
    case FormId::Black_or_Red_F:
      return blackOrRed;
    case FormId::Total_F:
      return total;
    case FormId::Log_F:
      return log;
    case FormId::Save_Load_F:
      return saveLoad;
    case FormId::Version_F:
      return version;
  }
  return main;
}

MainForm& Main_F(App& app) {
  return app.forms.main.get(app);
}
AreaForm& Area_F(App& app) {
  return app.forms.area.get(app);
}
PointForm& Point_F(App& app) {
  return app.forms.point.get(app);
}
BlackOrRedForm& Black_or_Red_F(App& app) {
  return app.forms.blackOrRed.get(app);
}
TotalForm& Total_F(App& app) {
  return app.forms.total.get(app);
}
LogForm& Log_F(App& app) {
  return app.forms.log.get(app);
}
SaveLoadForm& Save_Load_F(App& app) {
  return app.forms.saveLoad.get(app);
}
VersionForm& Version_F(App& app) {
  return app.forms.version.get(app);
}
