#include "game/window_handlers.h"

#include "area/area_edit.h"
#include "area/area_window.h"
#include "game/about_window.h"
#include "game/expect_request.h"
#include "game/keyboard.h"
#include "game/main_commands.h"
#include "game/reset.h"
#include "game/reveal.h"
#include "game/save_load_window.h"
#include "game/spin_entry.h"
#include "game/spin_export.h"
#include "game/spin_import.h"
#include "game/startup.h"
#include "game/status_switches.h"
#include "game/undo.h"
#include "log/log_window.h"
#include "predict/black_or_red_strategy.h"
#include "predict/point_strategy.h"
#include "predict/total_window.h"
#include "stats/statistics_window.h"
#include "windows/forms.h"

namespace {

void bindMain(MainForm& m) {
  OnClick(m.Count_P, Count_P_Click);
  OnClick(m.Count_M, Count_M_Click);
  m.Play.onClick = Play_Timer;
  m.Expect.onClick = Expect_Click;
  m.OR.onClick = OR_Click;
  m.Area.onClick = Area_Click;
  m.Point_C.onClick = Point_C_Click;
  m.Total_C.onClick = Total_C_Click;
  m.Log_B.onClick = Log_B_Click;
  m.Save_Load.onClick = Save_Load_Click;
  m.Clear.onClick = Clear_Click;
  m.Export_Spins.onClick = Export_Spins_Click;
  m.Import_Spins.onClick = Import_Spins_Click;
  m.BGM_Check.onClick = BGM_Check_Click;
  m.Front_Check.onClick = Front_Check_Click;
  m.Free_Check.onClick = Free_Check_Click;
  m.Expect_On.onClick = Expect_On_Click;
  m.Quick_Expect.onClick = Quick_Expect_Click;
  m.Zero_Check.onClick = Zero_Check_Click;
  m.Help.onClick = Help_Click;
  m.Version.onClick = Version_Click;
  m.Exit.onClick = Exit_Click;
  m.Stats.onClick = Stats_Click;
}

void bindArea(AreaForm& a) {
  a.Area_Set.onClick = Area_Set_Click;
  for (int k = 1; k <= 6; ++k)
    OnClick(a.AreaDeme(k), [k](App& app, int i) { AreaCell_Click(app, k, i); });
  a.Set_B.onClick = Set_B_Click;
}

void bindPoint(PointForm& p) {
  p.UP_1.onClick = UP_1_Click;
  p.Down_1.onClick = Down_1_Click;
  p.Mode1.onClick = Mode1_Click;
  p.Mode2.onClick = Mode2_Click;
}

void bindLog(LogForm& l) {
  l.Page_Back_B.onClick = Page_Back_B_Click;
  l.Page_Next_B.onClick = Page_Next_B_Click;
  OnClick(l.Search, Search_Click);
  l.Clear_B.onClick = Clear_B_Click;
}

void bindSaveLoad(SaveLoadForm& s) {
  OnClick(s.Save, Save_Click);
  OnClick(s.Load, Load_Click);
  s.Command1.onClick = Save_Load_Command1_Click;
}

void bindStats(StatisticsForm& s) {
  s.Sort_Rate.onClick = Sort_Rate_Click;
}

void bindVersion(VersionForm& v) {
  v.OK.onClick = Version_OK_Click;
  v.Command1.onClick = Version_Command1_Click;
  v.Command2.onClick = Version_Command2_Click;
}

}  // namespace

void BindWindowHandlers(Forms& f) {
  f.main.bindControls = bindMain;
  f.main.onLoad = Main_F_Load;
  f.main.onQueryUnload = Main_F_QueryUnload;

  f.area.bindControls = bindArea;
  f.area.onLoad = Area_F_Load;
  f.area.onQueryUnload = StatusWindow_QueryUnload;

  f.point.bindControls = bindPoint;
  f.point.onLoad = Point_F_Load;
  f.point.onQueryUnload = StatusWindow_QueryUnload;

  f.blackOrRed.onLoad = Black_or_Red_F_Load;
  f.blackOrRed.onQueryUnload = StatusWindow_QueryUnload;

  f.total.onLoad = Total_F_Load;
  f.total.onQueryUnload = StatusWindow_QueryUnload;

  f.log.bindControls = bindLog;
  f.log.onLoad = Log_F_Load;

  f.saveLoad.bindControls = bindSaveLoad;
  f.saveLoad.onLoad = Save_Load_F_Load;
  f.saveLoad.onUnload = Save_Load_F_Unload;

  f.version.bindControls = bindVersion;
  f.version.onUnload = Version_F_Unload;

  f.stats.bindControls = bindStats;

  // Typing on the main window, or on a window shown beside it while the spins go on.
  f.main.onKeyPress = Main_F_KeyPress;
  f.area.onKeyPress = Main_F_KeyPress;
  f.point.onKeyPress = Main_F_KeyPress;
  f.blackOrRed.onKeyPress = Main_F_KeyPress;
  f.total.onKeyPress = Main_F_KeyPress;
  f.log.onKeyPress = Main_F_KeyPress;
  f.stats.onKeyPress = Main_F_KeyPress;
  f.log.closesOnEsc = true;
  f.saveLoad.closesOnEsc = true;
  f.version.closesOnEsc = true;
  f.stats.closesOnEsc = true;
}
