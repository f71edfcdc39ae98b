#include <gtest/gtest.h>

#include "../support/area_sets.h"
#include "../support/test_program.h"
#include "core/numeric.h"

namespace {

const AreaOf SixSixSix = AreasOfSizes({6, 6, 6, 6, 7, 7});

int markedAreas(AreaForm& a) {
  int marked = 0;
  for (int k = 1; k <= 6; ++k) marked += a.Hit_Area_L(k).visible();
  return marked;
}

}  // namespace

TEST(AreaStats, LevelsFollowHitsAgainstTheAreasShare) {
  TestProgram p({{"Data/Files/USER2.FIL", User2File(SixSixSix)}});
  AreaForm& a = Area_F(p.app());
  std::array<int, 7> hits{};
  constexpr int Spins = 300;
  for (int t = 1; t <= Spins; ++t) {
    const int i = (t * t * 7 + 3 * t) % 38;
    p.spin(i);
    ++hits[static_cast<std::size_t>(SixSixSix[static_cast<std::size_t>(i)])];
    ASSERT_EQ(markedAreas(a), 1) << t;
    ASSERT_TRUE(a.Hit_Area_L(SixSixSix[static_cast<std::size_t>(i)]).visible());
    ASSERT_EQ(p.app().vars.LastArea, SixSixSix[static_cast<std::size_t>(i)]);
  }
  // Each step is rounded to 6 decimals, so the running sum stays within Spins x 5e-7 of
  // 100p + 100(pt - h)/N.
  for (int k = 1; k <= 6; ++k) {
    const double share = (k <= 4 ? 6 : 7) / 38.0;
    const double h = hits[static_cast<std::size_t>(k)];
    const double expected = 100 * share + 100 * (share * Spins - h) / 38;
    EXPECT_NEAR(Val(a.Hit_Rate(k).text()), expected, Spins * 5e-7) << k;
    EXPECT_EQ(a.Hit_C(k).text(), Str(h)) << k;
  }
}

// A number in no area marks none and leaves LastArea as it was; without 00 an area holding
// it counts one number less.
TEST(AreaStats, ANumberInNoAreaMarksNone) {
  AreaOf areas = SixSixSix;
  areas[37] = 3;  // 00 moves from area 6 to area 3, which then holds 7
  areas[24] = 0;  // 25 leaves area 5 and lies in no area
  TestProgram p(
      {{"Data/Files/USER.FIL", "37,0,0\r\n"}, {"Data/Files/USER2.FIL", User2File(areas)}});
  AreaForm& a = Area_F(p.app());
  EXPECT_EQ(Shown(p, "Area_F", "Hit_Rate(3).text Hit_Rate(5).text"), "16.216216|16.216216");
  p.spin(0);
  p.spin(24);
  EXPECT_EQ(markedAreas(a), 0);
  EXPECT_EQ(p.app().vars.LastArea, 1);
  EXPECT_NEAR(Val(a.Hit_Rate(3).text()), 16.216216 + 2 * Round(6 * (1 / 37.0) / 37 * 100, 6),
              1e-12);
}

TEST(AreaStats, ClearDiscardsTheFiguresAndTheNextLoadStartsFromTheBase) {
  TestProgram p({{"Data/Files/USER2.FIL", User2File(SixSixSix)}});
  p.spin(0, 3);
  EXPECT_EQ(Area_F(p.app()).Hit_C(1).text(), "3");
  p.run("answer yes\nclick Main_F.Clear");
  EXPECT_FALSE(p.app().forms.area.loaded());
  p.spin(7);
  EXPECT_EQ(Shown(p, "Area_F", "Hit_C(1).text Hit_C(2).text Hit_Rate(1).text Area2_Deme(8).back"),
            "0|1|16.204986|#000000");
}
