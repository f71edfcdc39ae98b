#include "windows/forms.h"

#include "windows/app.h"

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
    case FormId::Stats_F:
      return stats;
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
StatisticsForm& Stats_F(App& app) {
  return app.forms.stats.get(app);
}
