#include "windows/status_windows.h"

#include "windows/app.h"

void RestoreStatusWindows(App& app) {
  MainForm& m = Main_F(app);
  Black_or_Red_F(app).setVisible(m.OR.value() != 0);
  Area_F(app).setVisible(m.Area.value() != 0);
  Point_F(app).setVisible(m.Point_C.value() != 0);
  Total_F(app).setVisible(m.Total_C.value() != 0);
}

void HideStatusWindows(App& app) {
  Black_or_Red_F(app).setVisible(false);
  Area_F(app).setVisible(false);
  Point_F(app).setVisible(false);
  Total_F(app).setVisible(false);
}
