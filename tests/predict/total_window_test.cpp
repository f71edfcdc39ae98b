#include <gtest/gtest.h>

#include "../support/predict_support.h"
#include "predict/total_window.h"
#include "windows/figures.h"

namespace {

// A program with a prediction standing that no strategy can judge: the next zero spin
// leaves every tally as it is and only the Total status is worked out again.
struct StandingPrediction : TestProgram {
  StandingPrediction() : TestProgram{Silent(), SettingsFile({})} {
    spin(0, 38);
    run("click Main_F.Expect");
  }
  TotalForm& total() { return Total_F(app()); }
  void setTallies(const char* hits, const char* outs) {
    total().Expect_Hit.setText(hits);
    total().Expect_Out.setText(outs);
  }
};

}  // namespace

TEST(TotalWindow, NothingTalliedKeepsTheLastRateAndStatus) {
  StandingPrediction p;
  p.total().Status_L.setCaption("Com Win Good!");
  p.total().Win_Rate.setText("60%");
  p.setTallies("0", "0");
  p.spin(36);
  EXPECT_EQ(p.total().Status_L.caption(), "Com Win Good!");
  EXPECT_EQ(p.total().Win_Rate.text(), "60%");
  // A hit sum that rounds to no whole hit, with no miss, gives no rate either.
  p.setTallies("0.32", "0");
  p.run("click Main_F.Expect");
  p.spin(36);
  EXPECT_EQ(p.total().Status_L.caption(), "Com Win Good!");
}

TEST(TotalWindow, ASlotLoadShowsRateAndStatusOnlyFromOneHit) {
  TestProgram p{Silent(), SettingsFile({})};
  TotalForm& t = Total_F(p.app());
  struct Case {
    const char *hits, *outs, *rate, *status;
  };
  for (Case c : {Case{"1", "2", "33.3%", "Com Loss Sorry"}, Case{"1", "1", "50%", "Com Win Good!"},
                 Case{"1.05", "0.95", "51.3%", "Com Win Good!"},
                 // below one hit: rate and status as they were
                 Case{"0.95", "3", "51.3%", "Com Win Good!"}}) {
    t.Expect_Hit.setText(c.hits);
    t.Expect_Out.setText(c.outs);
    ShowTotalStatus(p.app(), TotalStatusAfter::SlotLoad);
    EXPECT_EQ(t.Win_Rate.text(), c.rate) << c.hits << "/" << c.outs;
    EXPECT_EQ(t.Status_L.caption(), c.status) << c.hits << "/" << c.outs;
  }
}

TEST(TotalWindow, TalliesAddInTheirShortestForm) {
  TextBox tally;
  tally.setText("0");
  for (int i = 0; i < 3; ++i) AddTo(tally, 1.05);
  EXPECT_EQ(tally.text(), "3.15");
}
