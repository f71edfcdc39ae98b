#include <gtest/gtest.h>

#include "../support/predict_support.h"
#include "predict/total_window.h"
#include "windows/figures.h"

// With a prediction standing that no strategy can judge, a zero spin leaves every tally as
// it is and only the Total status is worked out again: with nothing tallied, or a hit sum
// that rounds to no whole hit and no miss, the last rate and status stay.
TEST(TotalWindow, NothingTalliedKeepsTheLastRateAndStatus) {
  TestProgram p{Silent(), SettingsFile({})};
  p.spin(0, 38);
  TotalForm& t = Total_F(p.app());
  for (const char* hits : {"0", "0.32"}) {
    p.run("click Main_F.Expect");
    t.Status_L.setCaption("Com Win Good!");
    t.Win_Rate.setText("60%");
    t.Expect_Hit.setText(hits);
    t.Expect_Out.setText("0");
    p.spin(36);
    EXPECT_EQ(Shown(p, "Total_F", "Status_L.caption Win_Rate.text"), "Com Win Good!|60%") << hits;
  }
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
