#include "game/main_commands.h"

#include "game/recovery.h"
#include "game/status_switches.h"
#include "store/settings.h"
#include "windows/app.h"
#include "windows/message.h"
#include "windows/sounds.h"
#include "windows/status_windows.h"

namespace {

// Opens a window beside the main one: window sound, then show it.
void openWindow(App& app, Form& (*window)(App&), bool hideStatusWindows) {
  if (RefuseWhileAreaEditing(app)) return;
  PlayBgm1Sound(app);
  if (hideStatusWindows) HideStatusWindows(app);
  window(app).setVisible(true);
}

// A menu option: 1 becomes 0 and loses its mark, anything else becomes 1 and gets it.
void toggleOption(App& app, MenuItem& item, int& option) {
  if (RefuseWhileAreaEditing(app)) return;
  PlayMenuSound(app);
  option = option == 1 ? 0 : 1;
  item.setChecked(option == 1);
  ReportWrite(app, SaveWindowSettings(app));
}

void setMainFront(App& app, bool front) {
  if (RefuseWhileAreaEditing(app)) return;
  PlayMenuSound(app);
  MainForm& m = Main_F(app);
  m.setTopmost(front);
  m.Front_Check.setChecked(front);
  m.Free_Check.setChecked(!front);
  app.vars.MainFront = front ? 1 : 0;
  ReportWrite(app, SaveUserSettings(app));
}

// Leaving asks first while spins were recorded since the last save or clear.
bool confirmLeaving(App& app) {
  return app.vars.Unsaved != 1 ||
         AskBeforeDiscarding(app, "データは保存されていません。よろしいですか?");
}

}  // namespace

void Log_B_Click(App& app, int) {
  openWindow(
      app, [](App& a) -> Form& { return Log_F(a); }, false);
}

void Save_Load_Click(App& app, int) {
  openWindow(
      app, [](App& a) -> Form& { return Save_Load_F(a); }, true);
}

void Version_Click(App& app, int) {
  openWindow(
      app, [](App& a) -> Form& { return Version_F(a); }, true);
}

void BGM_Check_Click(App& app, int) {
  if (RefuseWhileAreaEditing(app)) return;
  auto& v = app.vars;
  MainForm& m = Main_F(app);
  if (v.SoundOn == 1) {
    m.BGM_Check.setChecked(false);
    v.SoundOn = 0;
  } else {
    m.BGM_Check.setChecked(true);
    v.SoundOn = 1;
    PlayMenuSound(app);
  }
  ReportWrite(app, SaveUserSettings(app));
}

void Front_Check_Click(App& app, int) {
  setMainFront(app, true);
}

void Free_Check_Click(App& app, int) {
  setMainFront(app, false);
}

void Expect_On_Click(App& app, int) {
  toggleOption(app, Main_F(app).Expect_On, app.vars.ExpectCheckOn);
}

void Quick_Expect_Click(App& app, int) {
  toggleOption(app, Main_F(app).Quick_Expect, app.vars.QuickExpectOn);
}

void One_Window_Click(App& app, int) {
  MainForm& m = Main_F(app);
  m.One_Window.setChecked(true);
  m.Separate_Windows.setChecked(false);
}

void Separate_Windows_Click(App& app, int) {
  MainForm& m = Main_F(app);
  m.One_Window.setChecked(false);
  m.Separate_Windows.setChecked(true);
}

// The help comes up above the status windows, which stay as the player left them.
void Help_Click(App& app, int) {
  app.services.help->openContents();
}

void Exit_Click(App& app, int) {
  if (!confirmLeaving(app)) return;
  DiscardRecoveryFiles(app);
  app.forms.blackOrRed.unload(app);
  app.forms.area.unload(app);
  app.forms.point.unload(app);
  app.ended = true;
}

bool Main_F_QueryUnload(App& app, CloseMode mode) {
  if (!confirmLeaving(app) && mode == CloseMode::User) return true;
  // A close by the system (a shutdown) goes on whatever the answer, and unsaved spins
  // stay in the recovery pair for the next start.
  if (mode == CloseMode::User || app.vars.Unsaved != 1) DiscardRecoveryFiles(app);
  app.forms.blackOrRed.unload(app);
  app.forms.area.unload(app);
  app.forms.point.unload(app);
  app.forms.total.unload(app);
  return false;
}

namespace {

// The player's close box clears the window's check box, which hides it and keeps it so
// for the next start; the system's close unloads it.
bool closeStatusWindow(App& app, CloseMode mode, CheckBox& box, int& flag) {
  if (mode != CloseMode::User) return false;
  UntickStatusBox(app, box, flag);
  return true;
}

}  // namespace

bool Area_F_QueryUnload(App& app, CloseMode mode) {
  return closeStatusWindow(app, mode, Main_F(app).Area, app.vars.AreaWindowOn);
}

bool Point_F_QueryUnload(App& app, CloseMode mode) {
  return closeStatusWindow(app, mode, Main_F(app).Point_C, app.vars.PointWindowOn);
}

bool Black_or_Red_F_QueryUnload(App& app, CloseMode mode) {
  return closeStatusWindow(app, mode, Main_F(app).OR, app.vars.OrWindowOn);
}

bool Total_F_QueryUnload(App& app, CloseMode mode) {
  return closeStatusWindow(app, mode, Main_F(app).Total_C, app.vars.TotalWindowOn);
}
