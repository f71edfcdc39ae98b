#include "predict/black_or_red_strategy.h"

#include <algorithm>

#include "core/number_index.h"
#include "core/numeric.h"
#include "core/win_rate.h"
#include "windows/app.h"
#include "windows/figures.h"
#include "windows/verdict_style.h"

namespace {

// A drawn colour that repeats the last spin's colour is redrawn with chance one half, at
// most this many times.
constexpr int MaxRedraws = 11;

float uniform(App& app) {
  return app.services.random->uniform();
}

// Black's share of the red and black results in thousandths: the chance of drawing red.
// Before any red or black result both colours are equally likely.
int redShare(const BlackOrRedForm& b) {
  const auto red = static_cast<double>(CInt(Val(b.Red_Hit.text())));
  const auto black = static_cast<double>(CInt(Val(b.Black_Hit.text())));
  if (red + black == 0) return 500;
  // Counts that are not what a game gives (one negative) are held to a share.
  return static_cast<int>(std::clamp(Int(black / (red + black) * 1000), 0.0, 1000.0));
}

// One draw: r is 1..1000, and red comes when the share is above it.
int drawColour(App& app, int q) {
  const auto r = static_cast<int>(Int(uniform(app) * 1000.0f + 1.0f));
  return q > r ? RedClass : BlackClass;
}

void showRate(const TextBox& hits, const TextBox& outs, TextBox& rate) {
  const double h = Val(hits.text());
  if (h >= 1) rate.setText(TallyWinRate(h, Val(outs.text())));
}

}  // namespace

void Black_or_Red_F_Load(App& app) {
  Black_or_Red_F(app).setTopmost(true);
}

void ShowExpectColour(App& app, int colour) {
  BlackOrRedForm& b = Black_or_Red_F(app);
  const bool red = colour == RedClass;
  b.Hit_Hantei_Red.setText(red ? "1" : "0");
  b.Hit_Hantei_Black.setText(red ? "0" : "1");
  b.Red_Light.setLit(red);
  b.Black_Light.setLit(!red);
}

void BlackOrRedExpectStep(App& app) {
  auto& v = app.vars;
  BlackOrRedForm& b = Black_or_Red_F(app);
  ShowVerdict(b.B_OR_R_L, b.Image1, Verdict::Predicted);
  const int q = redShare(b);
  for (int redraws = 0;; ++redraws) {
    v.ExpectColour = drawColour(app, q);
    ShowExpectColour(app, v.ExpectColour);
    if (v.ExpectColour != v.LastColour || redraws == MaxRedraws) break;
    const auto r2 = static_cast<int>(Int(uniform(app) * 100.0f + 1.0f));
    if (r2 > 50) break;
  }
}

void BlackOrRedJudgeStep(App& app, bool stood) {
  BlackOrRedForm& b = Black_or_Red_F(app);
  if (!stood) {
    ShowVerdict(b.B_OR_R_L, b.Image1, Verdict::NoPrediction);
    b.Hit_Hantei_Black.setText("0");
    b.Hit_Hantei_Red.setText("0");
    b.Black_Light.setLit(false);
    b.Red_Light.setLit(false);
    return;
  }
  TotalForm& total = Total_F(app);
  const int colour = app.vars.ColourClass;
  const bool black = Val(b.Hit_Hantei_Black.text()) == 1;
  const bool red = Val(b.Hit_Hantei_Red.text()) == 1;
  // Each flag is judged by itself; zero and double zero judge neither.
  auto judge = [&](bool hit, TextBox& colourTally) {
    AddTo(colourTally, 1);
    AddTo(hit ? b.Hit_T : b.Out_T, 1);
    AddTo(hit ? total.Expect_Hit : total.Expect_Out, 1);
    ShowVerdict(b.B_OR_R_L, b.Image1, hit ? Verdict::Hit : Verdict::Miss);
  };
  if (black && colour == BlackClass) judge(true, b.Expect_Black_Hit);
  if (black && colour == RedClass) judge(false, b.Expect_Black_Out);
  if (red && colour == RedClass) judge(true, b.Expect_Red_Hit);
  if (red && colour == BlackClass) judge(false, b.Expect_Red_Out);
  if (colour == ZeroClass) ShowVerdict(b.B_OR_R_L, b.Image1, Verdict::ZeroColour);
  if (colour == DoubleZeroClass) ShowVerdict(b.B_OR_R_L, b.Image1, Verdict::DoubleZeroColour);

  showRate(b.Expect_Black_Hit, b.Expect_Black_Out, b.Black_Win_Rate);
  showRate(b.Expect_Red_Hit, b.Expect_Red_Out, b.Red_Win_Rate);
  showRate(b.Hit_T, b.Out_T, b.Win_Rate);
}
