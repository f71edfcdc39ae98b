#include <gtest/gtest.h>

#include "../support/predict_support.h"
#include "core/number_index.h"

namespace {

const std::string EndSound = "sound Data/Sound/Expect_END.wav\n";

struct Lamps {
  std::string point;
  bool red, black;
  int area;  // the one lit area lamp, 0 for none, -1 for several
};

Lamps lampsOf(App& app) {
  Lamps l{LitNumbers(app), Black_or_Red_F(app).Red_Light.lit(),
          Black_or_Red_F(app).Black_Light.lit(), 0};
  for (int k = 1; k <= 6; ++k)
    if (Area_F(app).Expect_Light(k).lit()) l.area = l.area == 0 ? k : -1;
  return l;
}

}  // namespace

TEST(Reveal, TheLampsRunForSeventyTwoTicksThenSettleOnThePrediction) {
  TestProgram p{{"Data/Files/USER.FIL", "38,1,0\r\n"}, SettingsFile({.quick = 0})};
  SpinFirstNumbers(p, 18, 5);
  EXPECT_EQ(p.run("click Main_F.Expect"), "sound Data/Sound/Expect.wav\n");
  App& app = p.app();
  EXPECT_EQ(PredictedNumbers(app), Numbers(1, 18));
  EXPECT_EQ(LitNumbers(app), "");  // the lamps start dark
  EXPECT_EQ(p.main().Play.interval(), 5);

  p.run("tick");  // light: point lamp 1, both colours, area lamp 1
  Lamps l = lampsOf(app);
  EXPECT_EQ(l.point, "1 ");
  EXPECT_TRUE(l.red && l.black);
  EXPECT_EQ(l.area, 1);
  p.run("tick");  // dark, and on to the next positions
  l = lampsOf(app);
  EXPECT_EQ(l.point, "");
  EXPECT_FALSE(l.red || l.black);
  EXPECT_EQ(l.area, 0);
  EXPECT_EQ(app.vars.BlinkPoint, 2);

  p.run("tick 10");
  p.run("tick");  // point lamp 7 lights with area lamp 1 again
  l = lampsOf(app);
  EXPECT_EQ(l.point, "7 ");
  EXPECT_EQ(l.area, 1);

  EXPECT_EQ(p.run("tick 58"), "");  // 71 ticks
  EXPECT_TRUE(p.main().Play.enabled());
  EXPECT_EQ(p.run("tick"), EndSound);
  EXPECT_FALSE(p.main().Play.enabled());
  EXPECT_EQ(p.run("tick 5"), "");

  l = lampsOf(app);
  EXPECT_EQ(l.point, Numbers(1, 18));
  EXPECT_EQ(PredictedNumbers(app), Numbers(1, 18));
  BlackOrRedForm& b = Black_or_Red_F(app);
  const bool red = app.vars.ExpectColour == RedClass;
  EXPECT_EQ(l.red, red);
  EXPECT_EQ(l.black, !red);
  EXPECT_EQ(b.Hit_Hantei_Red.text(), red ? "1" : "0");
  EXPECT_EQ(b.Hit_Hantei_Black.text(), red ? "0" : "1");
}

TEST(Reveal, WithNothingPredictedOnlyOneColourLampStays) {
  TestProgram p{Silent(), SettingsFile({.quick = 0})};
  p.spin(0, 38);
  p.run("click Main_F.Expect");
  EXPECT_EQ(Point_F(p.app()).Status_L.caption(), "予想不可");
  p.run("tick 72");
  const Lamps l = lampsOf(p.app());
  EXPECT_EQ(l.point, "");
  EXPECT_EQ(l.area, 0);
  EXPECT_NE(l.red, l.black);
}

TEST(Reveal, ANewPredictionRestartsTheRun) {
  TestProgram p{Silent(), SettingsFile({.quick = 0})};
  SpinFirstNumbers(p, 18, 5);
  p.run("click Main_F.Expect\ntick 30");
  p.spin(3);  // judged while the lamps still run
  EXPECT_TRUE(p.main().Play.enabled());
  p.run("click Main_F.Expect");
  EXPECT_EQ(p.app().vars.BlinkPoint, 1);
  EXPECT_EQ(p.app().vars.BlinkPhase, 1);
  p.run("tick 71");
  EXPECT_TRUE(p.main().Play.enabled());
  p.run("tick");
  EXPECT_FALSE(p.main().Play.enabled());
  EXPECT_EQ(LitNumbers(p.app()), Numbers(1, 18));
}
