#include "area/area_stats.h"

#include "core/number_index.h"
#include "core/numeric.h"
#include "windows/app.h"
#include "windows/figures.h"

void PaintAreaCell(Label& cell, int colourClass, bool member) {
  cell.setBack(member ? DarkColour(colourClass) : LightColour(colourClass));
}

void ShowAreaSet(App& app) {
  auto& v = app.vars;
  AreaForm& a = Area_F(app);
  const double N = v.PocketCount;
  for (int k = 1; k <= 6; ++k) a.Deme_C_L(k).setCaption("0");
  for (int i = 1; i <= 38; ++i) {
    for (int k = 1; k <= 6; ++k) {
      if (v.AreaMember(k)(i - 1) != 1) continue;
      PaintAreaCell(a.AreaDeme(k)(i), ColourClassOf(i - 1), true);
      AddTo(a.Deme_C_L(k), 1);
    }
  }
  // Without the 00 pocket an area keeps 00 as a member but neither shows nor counts it.
  if (v.PocketCount == 37) {
    for (int k = 1; k <= 6; ++k) {
      if (v.AreaMember(k)(DoubleZeroIndex) != 1) continue;
      PaintAreaCell(a.AreaDeme(k)(38), DoubleZeroClass, false);
      AddTo(a.Deme_C_L(k), -1);
    }
  }
  // The base level: the share of the wheel, in percent, that the area covers.
  for (int k = 1; k <= 6; ++k)
    a.Hit_Rate(k).setText(Str(Round(Val(a.Deme_C_L(k).caption()) / N * 100, 6)));
}

void UpdateAreaStats(App& app) {
  auto& v = app.vars;
  AreaForm& a = Area_F(app);
  const int c = v.CurrentIndex;
  const double N = v.PocketCount;
  for (int k = 1; k <= 6; ++k) a.Hit_Area_L(k).setVisible(false);
  for (int k = 1; k <= 6; ++k) {
    const double n = Val(a.Deme_C_L(k).caption());
    const double level = Val(a.Hit_Rate(k).text());
    if (v.AreaMember(k)(c) == 1) {
      AddTo(a.Hit_C(k), 1);
      a.Hit_Area_L(k).setVisible(true);
      a.Hit_Rate(k).setText(Str(level - Round(((N - n) * (1 / N)) / N * 100, 6)));
    } else {
      a.Hit_Rate(k).setText(Str(level + Round((n * (1 / N)) / N * 100, 6)));
    }
  }
  for (int k = 1; k <= 6; ++k)
    if (v.AreaMember(k)(c) == 1) v.LastArea = k;
}
