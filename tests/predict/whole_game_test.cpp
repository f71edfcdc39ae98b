#include <gtest/gtest.h>

#include <algorithm>

#include <random>

#include "../support/predict_support.h"
#include "core/numeric.h"
#include "core/win_rate.h"

// Hundreds of spins with a prediction before each from the first full round on, shown
// at once or through the reveal: every verdict lands in exactly one tally, and the Total
// window adds up what the strategies counted.
TEST(WholeGame, EveryPredictionIsJudgedOnceAndTheTotalsAddUp) {
  for (int quick : {1, 0}) {
    TestProgram p{Silent(), SettingsFile({.quick = quick, .limit = 4})};
    App& app = p.app();
    std::mt19937 numbers(7);
    int colourVerdicts = 0, pointVerdicts = 0, pointVoid = 0;
    for (int s = 0; s < 600; ++s) {
      const bool predicting = Val(p.main().Total.text()) >= 38;
      bool pointDrawn = false;
      if (predicting) {
        ASSERT_EQ(p.run("click Main_F.Expect"), "");
        if (!quick) p.run("tick 72");
        ASSERT_FALSE(p.main().Play.enabled());
        ASSERT_EQ(LitNumbers(app), PredictedNumbers(app)) << s;
        pointDrawn = app.vars.PointExpectVoid == 0;
        if (pointDrawn) {
          ASSERT_EQ(std::ranges::count(PredictedNumbers(app), ' '), 18) << s;
        }
      }
      const int index = static_cast<int>(numbers() % 38);
      p.spin(index);
      ASSERT_EQ(app.vars.ExpectDone, 0);
      if (predicting && index < 36) ++colourVerdicts;
      if (predicting && index < 36 && pointDrawn) ++pointVerdicts;
      if (predicting && !pointDrawn) ++pointVoid;
    }
    BlackOrRedForm& b = Black_or_Red_F(app);
    PointForm& pt = Point_F(app);
    TotalForm& t = Total_F(app);
    const double colourHits = Val(b.Hit_T.text()), colourOuts = Val(b.Out_T.text());
    const double pointHits = Val(pt.Hit_T.text()), pointOuts = Val(pt.Out_T.text());
    EXPECT_EQ(colourHits + colourOuts, colourVerdicts) << quick;
    EXPECT_EQ(pointHits + pointOuts, pointVerdicts) << quick;
    EXPECT_GT(pointVerdicts, 400);
    EXPECT_GT(pointVoid, 0);  // the first Expects come before two rounds
    EXPECT_EQ(Val(t.Expect_Hit.text()), colourHits + pointHits);
    EXPECT_EQ(Val(t.Expect_Out.text()), colourOuts + pointOuts);
    EXPECT_EQ(t.Win_Rate.text(),
              ScoreWinRateText(ScoreWinRate(colourHits + pointHits, colourOuts + pointOuts)));
    EXPECT_EQ(p.exitCode(), 0);
  }
}
