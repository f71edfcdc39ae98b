#include "predict/total_window.h"

#include "core/numeric.h"
#include "core/win_rate.h"
#include "windows/app.h"
#include "windows/verdict_style.h"

void Total_F_Load(App& app) {
  Total_F(app).setTopmost(true);
}

void ShowTotalStatus(App& app, TotalStatusAfter after) {
  TotalForm& t = Total_F(app);
  const double hits = Val(t.Expect_Hit.text());
  const double outs = Val(t.Expect_Out.text());
  const bool rateShown = hits >= 1;
  if (after == TotalStatusAfter::SlotLoad && !rateShown) return;
  // The rate divides by the rounded hit sum plus the miss sum; with both 0 there is no
  // rate, and the window keeps the last one it showed.
  if (static_cast<float>(CInt(hits)) + static_cast<float>(outs) == 0.0f) return;
  const float rate = ScoreWinRate(hits, outs);
  if (rateShown) t.Win_Rate.setText(ScoreWinRateText(rate));
  ShowVerdict(t.Status_L, t.Image1, rate >= 50 ? Verdict::OverallWin : Verdict::OverallLoss);
}

void SnapTotalWindow(App& app) {
  const TotalForm& t = Total_F(app);
  app.totalBeforeSpin.get() = {t.Expect_Hit.text(),  t.Expect_Out.text(), t.Win_Rate.text(),
                               t.Status_L.caption(), t.Status_L.fore(),   t.Status_L.back(),
                               t.Image1.visible()};
}

void RestoreTotalWindow(App& app) {
  TotalForm& t = Total_F(app);
  const TotalWindowTexts& before = app.totalBeforeSpin.get();
  t.Expect_Hit.setText(before.hits);
  t.Expect_Out.setText(before.outs);
  t.Win_Rate.setText(before.rate);
  t.Status_L.setCaption(before.status);
  t.Status_L.setFore(before.statusFore);
  t.Status_L.setBack(before.statusBack);
  t.Image1.setVisible(before.picture);
}
