#include "game/status_switches.h"

#include "store/settings.h"
#include "windows/app.h"
#include "windows/message.h"
#include "windows/sounds.h"

namespace {

void apply(App& app, const CheckBox& box, Form& window, int& flag) {
  PlayBgm1Sound(app);
  const bool on = box.value() == 1;
  window.setVisible(on);
  flag = on ? 1 : 0;
  ReportWrite(app, SaveWindowSettings(app));
}

}  // namespace

void OR_Click(App& app, int) {
  apply(app, Main_F(app).OR, Black_or_Red_F(app), app.vars.OrWindowOn);
}

void Area_Click(App& app, int) {
  apply(app, Main_F(app).Area, Area_F(app), app.vars.AreaWindowOn);
}

void Point_C_Click(App& app, int) {
  apply(app, Main_F(app).Point_C, Point_F(app), app.vars.PointWindowOn);
}

void Total_C_Click(App& app, int) {
  apply(app, Main_F(app).Total_C, Total_F(app), app.vars.TotalWindowOn);
}

void UntickStatusBox(App& app, CheckBox& box, int& flag) {
  box.setValue(app, 0);
  flag = 0;
}
