#include "area/area_edit.h"

#include "area/area_stats.h"
#include "core/number_index.h"
#include "core/numeric.h"
#include "store/settings.h"
#include "windows/app.h"
#include "windows/figures.h"
#include "windows/message.h"
#include "windows/sounds.h"
#include "windows/status_windows.h"

namespace {

// The set is complete once all 38 numbers, 00 included, sit in some area.
bool allPlaced(AreaForm& a) {
  long placed = 0;
  for (int k = 1; k <= 6; ++k) placed += CInt(Val(a.Deme_C_L(k).caption()));
  return placed == 38;
}

}  // namespace

void Area_Set_Click(App& app, int) {
  auto& v = app.vars;
  Beep(app);
  // A new set is made on an empty game only, so no statistic mixes two sets.
  if (CInt(Val(Main_F(app).Total.text())) >= 1) {
    MsgBox(app, "Areaのセットはメニューの File→Clear を実行してください。", BoxIcon::Info);
    return;
  }
  if (RefuseWhileAreaEditing(app)) return;
  if (!AskBeforeDiscarding(
          app, JoinLines({"現在のAreaのセットはすべてクリアされます。", "よろしいですか?"})))
    return;
  Black_or_Red_F(app).setVisible(false);
  Point_F(app).setVisible(false);
  Total_F(app).setVisible(false);
  AreaForm& a = Area_F(app);
  a.setVisible(true);
  PlayBgm1Sound(app);
  ClearAreaSet(app);
  a.Area_Frame.setVisible(false);
  v.AreaEditing = 1;
  for (int i = 1; i <= 38; ++i) a.Deme(i).setVisible(true);
}

void AreaCell_Click(App& app, int k, int i) {
  auto& v = app.vars;
  if (v.AreaEditing != 1) return;
  const int index = i - 1;
  int& member = v.AreaMember(k)(index);
  // A number moves to another area only after it was clicked off in its own.
  if (member == 0 && v.AreaAssigned(index) == 1) {
    MsgBox(app, "選択済みです。", BoxIcon::Stop);
    return;
  }
  PlayBgm1Sound(app);
  v.CurrentIndex = index;
  ClassifyColour(v);
  AreaForm& a = Area_F(app);
  const bool joins = member == 0;
  PaintAreaCell(a.AreaDeme(k)(i), v.ColourClass, joins);
  member = joins ? 1 : 0;
  AddTo(a.Deme_C_L(k), joins ? 1 : -1);
  a.Deme(i).setVisible(!joins);
  v.AreaAssigned(index) = joins ? 1 : 0;
  if (allPlaced(a)) {
    a.Set_B.setVisible(true);
    PlayMenuSound(app);
  } else {
    a.Set_B.setVisible(false);
  }
}

void Set_B_Click(App& app, int) {
  auto& v = app.vars;
  AreaForm& a = Area_F(app);
  v.AreaEditing = 0;
  a.Set_B.setVisible(false);
  a.Area_Frame.setVisible(true);
  v.AreaAssigned.fill(0);
  ReportWrite(app, SaveWindowSettings(app));
  PlayExpectEndSound(app);
  ShowAreaSet(app);
  RestoreStatusWindows(app);
}

void ClearAreaSet(App& app) {
  auto& v = app.vars;
  AreaForm& a = Area_F(app);
  for (int k = 1; k <= 6; ++k) {
    a.Deme_C_L(k).setCaption("0");
    a.Hit_Rate(k).setText("0");
  }
  for (int i = 1; i <= 38; ++i) {
    for (int k = 1; k <= 6; ++k) {
      v.AreaMember(k)(i - 1) = 0;
      PaintAreaCell(a.AreaDeme(k)(i), ColourClassOf(i - 1), false);
    }
  }
}
