#include "game/window_handlers.h"

#include "area/area_edit.h"
#include "area/area_window.h"
#include "game/about_window.h"
#include "game/book_window.h"
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

// Each window's handlers, one overload per window of the table: a window without one does
// not compile. Typing a spin works on the main window and on the windows shown beside it
// while the spins go on; Esc closes the windows opened for a moment (Log, Save & Load,
// Version, statistics).

void bind(FormHost<MainForm>& h) {
  h.bindControls = [](MainForm& m) {
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
    m.Book.onClick = Book_Click;
    m.BGM_Check.onClick = BGM_Check_Click;
    m.Front_Check.onClick = Front_Check_Click;
    m.Free_Check.onClick = Free_Check_Click;
    m.Expect_On.onClick = Expect_On_Click;
    m.Quick_Expect.onClick = Quick_Expect_Click;
    m.Zero_Check.onClick = Zero_Check_Click;
    m.One_Window.onClick = One_Window_Click;
    m.Separate_Windows.onClick = Separate_Windows_Click;
    m.Help.onClick = Help_Click;
    m.Version.onClick = Version_Click;
    m.Exit.onClick = Exit_Click;
    m.Stats.onClick = Stats_Click;
  };
  h.onLoad = Main_F_Load;
  h.onQueryUnload = Main_F_QueryUnload;
  h.onKeyPress = Main_F_KeyPress;
}

void bind(FormHost<AreaForm>& h) {
  h.bindControls = [](AreaForm& a) {
    a.Area_Set.onClick = Area_Set_Click;
    for (int k = 1; k <= 6; ++k)
      OnClick(a.AreaDeme(k), [k](App& app, int i) { AreaCell_Click(app, k, i); });
    a.Set_B.onClick = Set_B_Click;
  };
  h.onLoad = Area_F_Load;
  h.onQueryUnload = Area_F_QueryUnload;
  h.onKeyPress = Main_F_KeyPress;
}

void bind(FormHost<PointForm>& h) {
  h.bindControls = [](PointForm& p) {
    p.UP_1.onClick = UP_1_Click;
    p.Down_1.onClick = Down_1_Click;
    p.Mode1.onClick = Mode1_Click;
    p.Mode2.onClick = Mode2_Click;
  };
  h.onLoad = Point_F_Load;
  h.onQueryUnload = Point_F_QueryUnload;
  h.onKeyPress = Main_F_KeyPress;
}

void bind(FormHost<BlackOrRedForm>& h) {
  h.onLoad = Black_or_Red_F_Load;
  h.onQueryUnload = Black_or_Red_F_QueryUnload;
  h.onKeyPress = Main_F_KeyPress;
}

void bind(FormHost<TotalForm>& h) {
  h.onLoad = Total_F_Load;
  h.onQueryUnload = Total_F_QueryUnload;
  h.onKeyPress = Main_F_KeyPress;
}

void bind(FormHost<LogForm>& h) {
  h.bindControls = [](LogForm& l) {
    l.Page_Back_B.onClick = Page_Back_B_Click;
    l.Page_Next_B.onClick = Page_Next_B_Click;
    OnClick(l.Search, Search_Click);
    l.Clear_B.onClick = Clear_B_Click;
  };
  h.onLoad = Log_F_Load;
  h.onKeyPress = Log_F_KeyPress;
  h.closesOnEsc = true;
}

void bind(FormHost<SaveLoadForm>& h) {
  h.bindControls = [](SaveLoadForm& s) {
    OnClick(s.Save, Save_Click);
    OnClick(s.Load, Load_Click);
    s.Command1.onClick = Save_Load_Command1_Click;
  };
  h.onLoad = Save_Load_F_Load;
  h.onUnload = Save_Load_F_Unload;
  h.closesOnEsc = true;
}

void bind(FormHost<VersionForm>& h) {
  h.bindControls = [](VersionForm& v) {
    v.OK.onClick = Version_OK_Click;
    v.Command1.onClick = Version_Command1_Click;
    v.Command2.onClick = Version_Command2_Click;
  };
  h.onLoad = Version_F_Load;
  h.onUnload = Version_F_Unload;
  h.closesOnEsc = true;
}

void bind(FormHost<StatisticsForm>& h) {
  h.bindControls = [](StatisticsForm& s) {
    s.Sort_Rate.onClick = Sort_Rate_Click;
    s.Source_Game.onClick = Source_Game_Click;
    s.Source_Wheel.onClick = Source_Wheel_Click;
  };
  h.onKeyPress = Main_F_KeyPress;
  h.closesOnEsc = true;
}

void bind(FormHost<BookForm>& h) {
  h.bindControls = [](BookForm& b) {
    OnClick(b.Wheel, Wheel_Click);
    b.Wheel_Up.onClick = Wheel_Up_Click;
    b.Wheel_Down.onClick = Wheel_Down_Click;
    b.Use_Wheel.onClick = Use_Wheel_Click;
    b.New_Wheel.onClick = New_Wheel_Click;
    b.Rename_Wheel.onClick = Rename_Wheel_Click;
    b.Export_Wheel.onClick = Export_Wheel_Click;
    OnClick(b.Session, Session_Click);
    b.Session_Up.onClick = Session_Up_Click;
    b.Session_Down.onClick = Session_Down_Click;
    b.Delete_Session.onClick = Delete_Session_Click;
    b.Export_Session.onClick = Export_Session_Click;
    b.Close.onClick = Book_Close_Click;
  };
  h.onLoad = Book_F_Load;
  h.closesOnEsc = true;
}

}  // namespace

void BindWindowHandlers(Forms& f) {
#define VARNET_BIND_WINDOW(name, Record, member) bind(f.member);
  VARNET_WINDOWS(VARNET_BIND_WINDOW)
#undef VARNET_BIND_WINDOW
}
