#include "predict/point_strategy.h"

#include <algorithm>

#include "core/number_index.h"
#include "core/numeric.h"
#include "core/win_rate.h"
#include "store/settings.h"
#include "windows/app.h"
#include "windows/figures.h"
#include "windows/message.h"
#include "windows/sounds.h"
#include "windows/verdict_style.h"

namespace {

constexpr int Predicted = 18;
constexpr int LowestLimit = 1;
constexpr int HighestLimit = 38;
// A point is a number's hits per thousand spins, so no game gives more. Points are held
// to 0..1000 also when a damaged game has more hits than spins: the running sums stay
// small, and every number the draw may choose keeps a fair chance to be chosen.
constexpr double HighestPoint = 1000;

long number(const TextBox& t) {
  return CInt(Val(t.text()));
}

double pointOf(double value) {
  return std::clamp(value, 0.0, HighestPoint);
}

bool predicted(const PointForm& p, int n) {
  return Val(p.Expect_H(n).text()) == 1;
}

// Whether the draw can choose number n: its point is a nonzero step of the running sums.
// The draw takes number 1 only while it has hits, so a point it kept from earlier does
// not count.
bool drawable(const PointForm& p, int n) {
  if (n == 1) return number(p.Point_Total(1)) > 0 && number(p.Hit_Count(1)) >= 1;
  return number(p.Point_Total(n)) > number(p.Point_Total(n - 1));
}

// The number whose step of the running sums holds r, or 0 when none does.
int chosenBy(const PointForm& p, long r) {
  if (number(p.Point_Total(1)) >= r && r > 0 && number(p.Hit_Count(1)) >= 1) return 1;
  for (int n = 2; n <= 36; ++n)
    if (number(p.Point_Total(n - 1)) < r && r <= number(p.Point_Total(n))) return n;
  return 0;
}

// Draws until eighteen different numbers are marked; each round chooses one number with
// chance point / sum of points.
void drawEighteen(App& app, PointForm& p) {
  const long sum = number(p.Point_Total(36));
  int marked = 0;
  while (marked < Predicted) {
    const float u = app.services.random->uniform();
    const auto r = static_cast<long>(Int(static_cast<float>(sum) * u + 1.0f));
    const int n = chosenBy(p, r);
    if (n == 0 || predicted(p, n)) continue;
    p.Expect_H(n).setText("1");
    ++marked;
  }
}

void setMode(App& app, int mode) {
  PointForm& p = Point_F(app);
  app.vars.PointMode = mode;
  p.Mode1.setChecked(mode == 1);
  p.Mode2.setChecked(mode != 1);
  ReportWrite(app, SaveWindowSettings(app));
}

// A limit button: the limit moves by one within 1..38, and the hold count restarts at
// the new limit.
void changeLimit(App& app, int step) {
  PointForm& p = Point_F(app);
  const double current = Val(p.Limit_C.caption());
  const double limit = current + step;
  const auto inRange = [](double l) { return l >= LowestLimit && l <= HighestLimit; };
  if (!inRange(current) || !inRange(limit)) return;
  PlayMenuSound(app);
  p.Limit_C.setCaption(Str(limit));
  p.Ex_Limit.setCaption(p.Limit_C.caption());
  app.vars.PointLimit = static_cast<int>(limit);
  ReportWrite(app, SaveWindowSettings(app));
}

}  // namespace

void Point_F_Load(App& app) {
  PointForm& p = Point_F(app);
  p.setTopmost(true);
  LoadWindowSettings(app);
  const bool mode1 = app.vars.PointMode == 1;
  p.Mode1.setChecked(mode1);
  p.Mode2.setChecked(!mode1);
  p.Ex_Limit.setCaption(Str(app.vars.PointLimit));
  p.Limit_C.setCaption(Str(app.vars.PointLimit));
}

void PointExpectStep(App& app) {
  auto& v = app.vars;
  PointForm& p = Point_F(app);
  ShowVerdict(p.Status_L, p.Image1, Verdict::Predicted);

  const double total = Val(Main_F(app).Total.text());
  int hitNumbers = 0;
  for (int n = 1; n <= 36; ++n) {
    const double hits = Val(p.Hit_Count(n).text());
    // A number that has not come out keeps its previous point.
    if (hits != 0) p.Point_One(n).setText(Str(Int(pointOf(hits / total * 1000))));
    if (hits >= 1) ++hitNumbers;
  }
  double sum = 0;
  for (int n = 1; n <= 36; ++n) {
    sum += static_cast<double>(CInt(pointOf(Val(p.Point_One(n).text()))));
    p.Point_Total(n).setText(Str(sum));
  }

  if (Val(p.Ex_Limit.caption()) != 0) {
    p.Status_L.setCaption("リミット " + p.Ex_Limit.caption());
    return;
  }
  const double rounds = Val(Main_F(app).Round_T.text());
  if (rounds >= 2) p.Ex_Limit.setCaption(p.Limit_C.caption());
  for (auto& e : p.Expect_H) e.setText("0");

  int drawableNumbers = 0;
  for (int n = 1; n <= 36; ++n) drawableNumbers += drawable(p, n);
  // The draw can only finish with eighteen numbers it can choose: a number with hits can
  // still have point 0 once it has come out in fewer than one spin in a thousand.
  if (hitNumbers < Predicted || drawableNumbers < Predicted) {
    p.Status_L.setCaption("予想不可");
    v.PointExpectVoid = 1;
    return;
  }
  if (rounds < 2) {
    p.Status_L.setCaption("2Round から");
    v.PointExpectVoid = 1;
    return;
  }
  drawEighteen(app, p);
  // "もうでる Mode": the numbers that were not drawn are the ones due.
  if (!p.Mode1.checked())
    for (auto& e : p.Expect_H) e.setText(Val(e.text()) == 1 ? "0" : "1");
}

void ShowPointLamps(App& app) {
  PointForm& p = Point_F(app);
  for (int n = 1; n <= 36; ++n) p.Expect_Light(n).setLit(predicted(p, n));
}

void PointJudgeStep(App& app, bool stood) {
  auto& v = app.vars;
  PointForm& p = Point_F(app);
  if (!stood) {
    ShowVerdict(p.Status_L, p.Image1, Verdict::NoPrediction);
    for (auto& l : p.Expect_Light) l.setLit(false);
    return;
  }
  bool any = false;
  for (int n = 1; n <= 36; ++n) any = any || predicted(p, n);
  // No draw was made, or nothing is held (a hold started by a refused draw, a clear while
  // a prediction stood): no numbers were predicted, so there is nothing to count.
  if (v.PointExpectVoid == 1 || !any) {
    ShowVerdict(p.Status_L, p.Image1, Verdict::NoPrediction);
    for (auto& e : p.Expect_H) e.setText("0");
    for (auto& l : p.Expect_Light) l.setLit(false);
    v.PointExpectVoid = 0;
    return;
  }
  if (v.CurrentIndex <= 35) {
    const bool hit = predicted(p, v.CurrentIndex + 1);
    AddTo(hit ? p.Hit_T : p.Out_T, 1);
    TotalForm& total = Total_F(app);
    AddTo(hit ? total.Expect_Hit : total.Expect_Out, 1);
    ShowVerdict(p.Status_L, p.Image1, hit ? Verdict::Hit : Verdict::Miss);
  }
  if (v.ColourClass == ZeroClass) ShowVerdict(p.Status_L, p.Image1, Verdict::ZeroPoint);
  if (v.ColourClass == DoubleZeroClass) ShowVerdict(p.Status_L, p.Image1, Verdict::DoubleZeroPoint);
  const double hits = Val(p.Hit_T.text());
  if (hits >= 1) p.Win_Rate.setText(TallyWinRate(hits, Val(p.Out_T.text())));
}

void Mode1_Click(App& app, int) {
  setMode(app, 1);
}

void Mode2_Click(App& app, int) {
  setMode(app, 2);
}

void UP_1_Click(App& app, int) {
  changeLimit(app, +1);
}

void Down_1_Click(App& app, int) {
  changeLimit(app, -1);
}
