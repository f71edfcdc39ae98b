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
  EXPECT_EQ(LitNumbers(app), "");  // the lamps start dark
  // Lit on odd ticks, dark on even ones: point lamp 1 with area lamp 1 and both colours,
  // then on to the next positions; point lamp 7 lights with area lamp 1 again.
  const auto lamps = [&app] {
    const Lamps l = lampsOf(app);
    return l.point + std::to_string(l.red) + std::to_string(l.black) + std::to_string(l.area);
  };
  p.run("tick");
  EXPECT_EQ(lamps(), "1 111");
  p.run("tick");
  EXPECT_EQ(lamps(), "000");
  p.run("tick 11");
  EXPECT_EQ(lamps().substr(0, 2), "7 ");
  EXPECT_EQ(lampsOf(app).area, 1);

  EXPECT_EQ(p.run("tick 58"), "");  // 71 ticks
  EXPECT_EQ(p.run("tick"), EndSound);
  EXPECT_EQ(p.run("tick 5"), "");
  const Lamps l = lampsOf(app);
  EXPECT_EQ(l.point, Numbers(1, 18));
  const bool red = app.vars.ExpectColour == RedClass;
  EXPECT_EQ(std::pair(l.red, l.black), std::pair(red, !red));
  EXPECT_EQ(Shown(p, "Black_or_Red_F", "Hit_Hantei_Red.text Hit_Hantei_Black.text"),
            red ? "1|0" : "0|1");
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
  EXPECT_EQ(Shown(p, "var", "BlinkPoint BlinkPhase"), "1|1");
  EXPECT_EQ(p.run("tick 71\nget Main_F.Play.enabled\ntick\nget Main_F.Play.enabled"),
            "Main_F.Play.enabled=1\nMain_F.Play.enabled=0\n");
  EXPECT_EQ(LitNumbers(p.app()), Numbers(1, 18));
}
