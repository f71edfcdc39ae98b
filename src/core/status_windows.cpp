#include "core/status_windows.h"

#include "core/app.h"
#include "core/settings.h"
#include "windows/sounds.h"

namespace {

void apply(App& app, const CheckBox& box, Form& window, int& flag) {
  PlayBgm1Sound(app);
  const bool on = box.value() == 1;
  window.setVisible(on);
  flag = on ? 1 : 0;
  SaveWindowSettings(app);
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

void RestoreStatusWindows(App& app) {
  MainForm& m = Main_F(app);
  Black_or_Red_F(app).setVisible(m.OR.value() != 0);
  Area_F(app).setVisible(m.Area.value() != 0);
  Point_F(app).setVisible(m.Point_C.value() != 0);
  Total_F(app).setVisible(m.Total_C.value() != 0);
}

void UntickStatusBox(App& app, CheckBox& box, int& flag) {
  box.setValue(app, 0);
  flag = 0;
}

void HideStatusWindows(App& app) {
  Black_or_Red_F(app).setVisible(false);
  Area_F(app).setVisible(false);
  Point_F(app).setVisible(false);
  Total_F(app).setVisible(false);
}
