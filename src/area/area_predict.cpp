#include "area/area_predict.h"

#include <algorithm>

#include "area/area_verdicts.h"
#include "core/figure_range.h"
#include "core/indexed_array.h"
#include "core/numeric.h"
#include "core/win_rate.h"
#include "windows/app.h"
#include "windows/figures.h"
#include "windows/verdict_style.h"

namespace {

// At most this many draws; the last one stands even on the area of the last spin.
constexpr int MaxDraws = 12;

// Held within what a level can be, so that weights and their total stay far inside a long.
double levelOf(AreaForm& a, int k) {
  return std::clamp(Val(a.Hit_Rate(k).text()), -FigureLimit, FigureLimit);
}

// Draw weight: ten per whole point of hit level; an area at a level of 0 or below is
// never drawn.
long weightOf(double level) {
  return level > 0 ? 10 * CInt(level) : 0;
}

// A whole number 1..total, computed in single precision. It is held to the total so that
// the search for its area always ends on a bound, however large a level read back from
// a stored text may be.
long drawPick(App& app, long total) {
  const float u = app.services.random->uniform();
  const auto pick = static_cast<long>(Int(static_cast<float>(total) * u + 1.0f));
  return std::min(pick, total);
}

// The draw landed on the area of the last spin: it stands with a chance of its rounded
// level in 100.
bool keepsRepeat(App& app, double level) {
  const float u = app.services.random->uniform();
  const double c = Int(100.0f * u + 1.0f);
  return c > 100 - CInt(level);
}

void showLamps(AreaForm& a) {
  for (int k = 1; k <= 6; ++k) a.Expect_Light(k).setLit(Val(a.Expect_H(k).text()) == 1);
}

void clearStatus(AreaForm& a) {
  for (int k = 1; k <= 7; ++k) ShowVerdict(a.Status_L(k), a.Image1(k), Verdict::Cleared);
}

// A hit or a miss of area k also shows in the all-areas row and adds to the Total window.
void score(App& app, AreaForm& a, int k, bool hit, double amount) {
  const Verdict verdict = hit ? Verdict::Hit : Verdict::Miss;
  TotalForm& t = Total_F(app);
  for (int row : {k, 7}) {
    AddTo(hit ? a.Expect_Hit(row) : a.Expect_Out(row), amount);
    ShowVerdict(a.Status_L(row), a.Image1(row), verdict);
  }
  AddTo(hit ? t.Expect_Hit : t.Expect_Out, amount);
}

}  // namespace

void AreaExpectStep(App& app) {
  auto& v = app.vars;
  AreaForm& a = Area_F(app);
  clearStatus(a);
  for (int k = 1; k <= 6; ++k) {
    a.Expect_Light(k).setLit(false);
    a.Expect_H(k).setText("0");
    a.Hit_Area_L(k).setVisible(false);
  }
  ShowVerdict(a.Status_L(7), a.Image1(7), Verdict::Predicted);

  IndexedArray<long, 1, 6> bound;
  long total = 0;
  for (int k = 1; k <= 6; ++k) {
    total += weightOf(levelOf(a, k));
    bound(k) = total;
    a.Expect_Hit_P(k).setText(std::to_string(total));
  }
  // With every weight 0 no area is drawn.
  for (int draw = 1; total > 0; ++draw) {
    const long pick = drawPick(app, total);
    int k = 1;
    while (bound(k) < pick) ++k;
    a.Expect_H(k).setText("1");
    v.ExpectArea = k;
    if (k != v.LastArea || draw == MaxDraws || keepsRepeat(app, levelOf(a, k))) break;
    a.Expect_H(k).setText("0");
  }
  if (v.QuickExpectOn == 1) showLamps(a);
}

void AreaJudgeStep(App& app, bool stood) {
  auto& v = app.vars;
  AreaForm& a = Area_F(app);
  if (!stood) {
    clearStatus(a);
    ShowVerdict(a.Status_L(7), a.Image1(7), Verdict::NoPrediction);
    for (int k = 1; k <= 6; ++k) {
      a.Expect_Light(k).setLit(false);
      a.Expect_H(k).setText("0");
    }
    return;
  }
  // Scores are weighted by the area's share p of the wheel: a hit earns 2(1 - p) and a
  // miss costs 2p, so pure chance tends to a win rate of 50%.
  const double N = v.PocketCount;
  for (int k = 1; k <= 6; ++k) {
    if (Val(a.Expect_H(k).text()) != 1) continue;
    const double n = Val(a.Deme_C_L(k).caption());
    const bool hit = v.AreaMember(k)(v.CurrentIndex) == 1;
    const double amount = hit ? Round(2 * (N - n) / N, 2) : Round(2 * n / N, 2);
    score(app, a, k, hit, amount);
    // A blind guess of the area's size hits with the area's share of the pockets.
    AreaVerdictsOf(app).add(hit, n / N, amount);
  }
  for (int k = 1; k <= 7; ++k) {
    const double hits = Val(a.Expect_Hit(k).text());
    if (hits >= 1)
      a.Win_Rate(k).setText(ScoreWinRateText(ScoreWinRate(hits, Val(a.Expect_Out(k).text()))));
  }
}
