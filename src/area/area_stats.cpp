#include "area/area_stats.h"

#include "core/app.h"
#include "core/numeric.h"

void ShowAreaSet(App&) {}

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
      a.Hit_C(k).setText(Str(Val(a.Hit_C(k).text()) + 1));
      a.Hit_Area_L(k).setVisible(true);
      a.Hit_Rate(k).setText(Str(level - Round(((N - n) * (1 / N)) / N * 100, 6)));
    } else {
      a.Hit_Rate(k).setText(Str(level + Round((n * (1 / N)) / N * 100, 6)));
    }
  }
  for (int k = 1; k <= 6; ++k)
    if (v.AreaMember(k)(c) == 1) v.LastArea = k;
}
