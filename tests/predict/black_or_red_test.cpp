#include <gtest/gtest.h>

#include "../support/predict_support.h"
#include "core/number_index.h"
#include "predict/black_or_red_strategy.h"

namespace {

constexpr float Sentinel = 0.25f;

// Runs the colour step alone with these queued values followed by a sentinel; returns the
// colour drawn and checks that the step used exactly the values before the sentinel.
int draw(TestProgram& p, const std::string& values) {
  p.run("random " + values + " 0.25");
  BlackOrRedExpectStep(p.app());
  EXPECT_EQ(p.app().services.random->uniform(), Sentinel) << values;
  return p.app().vars.ExpectColour;
}

std::string repeat(const std::string& value, int times) {
  std::string s;
  for (int i = 0; i < times; ++i) s += (i ? " " : "") + value;
  return s;
}

}  // namespace

TEST(BlackOrRed, RedComesWithBlacksShareOfTheResults) {
  TestProgram onlyRed{Silent(), SettingsFile({})};
  onlyRed.spin(0, 3);
  EXPECT_EQ(draw(onlyRed, "0"), BlackClass);  // q = 0: never red

  TestProgram onlyBlack{Silent(), SettingsFile({})};
  onlyBlack.spin(1, 3);
  EXPECT_EQ(draw(onlyBlack, "0.998"), RedClass);  // r = 999 < q = 1000
  // r = 1000: black, which repeats the last spin; 61 > 50 keeps it.
  EXPECT_EQ(draw(onlyBlack, "0.999 0.6"), BlackClass);

  TestProgram even{Silent(), SettingsFile({})};
  even.spin(0);
  even.spin(1);
  even.spin(36);                              // last spin zero: no redraw whatever is drawn
  EXPECT_EQ(draw(even, "0.4985"), RedClass);  // r = 499 < q = 500
  EXPECT_EQ(draw(even, "0.4995"), BlackClass);
  even.spin(2);                                   // two red, one black: q = 333
  EXPECT_EQ(draw(even, "0.3315 0.9"), RedClass);  // r = 332
  EXPECT_EQ(draw(even, "0.3325"), BlackClass);    // r = 333

  // Only zeros so far: no share to go by, both colours are even.
  TestProgram zeros{Silent(), SettingsFile({})};
  zeros.spin(36);
  zeros.spin(37);
  EXPECT_EQ(draw(zeros, "0.4985"), RedClass);
  EXPECT_EQ(draw(zeros, "0.4995"), BlackClass);
}

TEST(BlackOrRed, ARepeatOfTheLastColourIsRedrawnAtMostElevenTimes) {
  TestProgram p{Silent(), SettingsFile({})};
  p.spin(1);
  p.spin(0);                                      // last spin red; q = 500
  EXPECT_EQ(draw(p, "0.1 0.1 0.9"), BlackClass);  // red, 11 <= 50: redraw, black
  EXPECT_EQ(draw(p, "0.1 0.5"), RedClass);        // red, 51 > 50: it stands
  // Red every time and a redraw every time: the twelfth draw stands.
  EXPECT_EQ(draw(p, repeat("0.1", 23)), RedClass);

  BlackOrRedForm& b = Black_or_Red_F(p.app());
  EXPECT_EQ(Shown(p, "Black_or_Red_F",
                  "Hit_Hantei_Red.text Hit_Hantei_Black.text B_OR_R_L.caption B_OR_R_L.fore"),
            "1|0|予想済み|#00C0C0");
  EXPECT_TRUE(b.Red_Light.lit() && !b.Black_Light.lit());
}

TEST(BlackOrRed, VerdictsTalliesAndRates) {
  TestProgram p{Silent(), SettingsFile({})};
  p.spin(0, 38);
  BlackOrRedForm& b = Black_or_Red_F(p.app());
  // Draws at the top of the range predict black, and a repeat of black stands.
  const auto judge = [&](int index) {
    p.run("random 0.999 0.999\nclick Main_F.Expect");
    p.spin(index);
  };
  const std::string verdict = "B_OR_R_L.caption B_OR_R_L.fore B_OR_R_L.back Image1.visible";
  judge(1);  // black
  EXPECT_EQ(Shown(p, "Black_or_Red_F", verdict + " Black_Win_Rate.text"),
            "予想的中 !|#FF0000|#FFFF00|1|100%");
  judge(0);  // red
  EXPECT_EQ(Shown(p, "Black_or_Red_F", verdict), "予想アウト|buttontext|buttonface|0");
  judge(36);
  EXPECT_EQ(Shown(p, "Black_or_Red_F", verdict), "0 ﾋｯﾄ 予想結果なし|#008000|buttonface|0");
  judge(37);
  EXPECT_EQ(Shown(p, "Black_or_Red_F", verdict), "00 ﾋｯﾄ 予想結果なし|#0000C0|buttonface|0");
  judge(0);
  // No red hit yet: its rate stays 0.
  const std::string tallies =
      "Expect_Black_Hit.text Expect_Black_Out.text Hit_T.text Out_T.text Black_Win_Rate.text "
      "Win_Rate.text Red_Win_Rate.text";
  EXPECT_EQ(Shown(p, "Black_or_Red_F", tallies), "1|2|1|2|33.3%|33.3%|0");
  EXPECT_EQ(Shown(p, "Total_F", "Expect_Hit.text Expect_Out.text"), "1|2");

  // Each flag is judged by itself.
  b.Hit_Hantei_Red.setText("1");
  b.Hit_Hantei_Black.setText("1");
  p.app().vars.ExpectDone = 1;
  p.spin(2);  // red
  EXPECT_EQ(Shown(p, "Black_or_Red_F",
                  "Expect_Red_Hit.text Expect_Black_Out.text Red_Win_Rate.text Win_Rate.text"),
            "1|3|100%|40%");

  // A spin without a prediction: both flags and lights off, no tally.
  p.spin(1);
  EXPECT_EQ(Shown(p, "Black_or_Red_F",
                  "B_OR_R_L.caption Hit_Hantei_Red.text Hit_Hantei_Black.text Hit_T.text"),
            "予想結果なし|0|0|2");
  EXPECT_FALSE(b.Red_Light.lit() || b.Black_Light.lit());
}
