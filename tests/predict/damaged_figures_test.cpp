#include <gtest/gtest.h>

#include <algorithm>

#include "../support/predict_support.h"
#include "core/number_index.h"

// Figures no game gives, put straight into the windows: whatever a window holds, a draw
// must end, and never overflow (the sanitizer build checks the latter).

TEST(DamagedFigures, PointDrawEndsWhenHitsExceedTheSpins) {
  // Points far above a thousand would leave number 18's small step of the running sums out
  // of the single-precision draw's reach, and the draw would never find an eighteenth; a
  // point beyond a long kept by number 30, which has not come out, would overflow the sums.
  TestProgram p{Silent(), SettingsFile({})};
  SpinFirstNumbers(p, 18, 4);
  p.spin(0, 4);
  PointForm& f = Point_F(p.app());
  for (int n = 1; n <= 17; ++n) f.Hit_Count(n).setText("1000000000");
  f.Point_One(30).setText("1e30");
  p.run("click Main_F.Expect");
  EXPECT_EQ(std::ranges::count(PredictedNumbers(p.app()), ' '), 18);
  EXPECT_EQ(Shown(p, "Point_F", "Point_One(1).text Point_Total(36).text"), "1000|18052");
}

TEST(DamagedFigures, AreaDrawHoldsLevelsBeyondALong) {
  TestProgram p{Silent(), SettingsFile({})};
  p.spin(6, 38);
  AreaForm& a = Area_F(p.app());
  a.Hit_Rate(2).setText("1e30");
  a.Hit_Rate(4).setText("-1e30");
  // The draw lands on the area of the last spin and weighs whether to keep it.
  p.app().vars.LastArea = 2;
  p.run("random 0.5 0.5\nclick Main_F.Expect");
  EXPECT_EQ(p.app().vars.ExpectArea, 2);
  EXPECT_EQ(Shown(p, "Area_F", "Expect_H(2).text Expect_Hit_P(6).text"), "1|10000000000");
}

TEST(DamagedFigures, BlackOrRedShareHoldsCountsNoGameGives) {
  for (auto [red, black] : {std::pair{"-1000000000", "1000000001"}, std::pair{"1e300", "1e300"},
                            std::pair{"-3", "3"}}) {
    SCOPED_TRACE(red);
    TestProgram p{Silent(), SettingsFile({})};
    p.spin(6, 38);
    BlackOrRedForm& b = Black_or_Red_F(p.app());
    b.Red_Hit.setText(red);
    b.Black_Hit.setText(black);
    p.run("click Main_F.Expect");
    const int colour = p.app().vars.ExpectColour;
    EXPECT_TRUE(colour == RedClass || colour == BlackClass) << colour;
  }
}
