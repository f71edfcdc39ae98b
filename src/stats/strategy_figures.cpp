#include "stats/strategy_figures.h"

#include "area/area_verdicts.h"
#include "core/numeric.h"
#include "stats/chance_tests.h"
#include "stats/statistics_texts.h"
#include "windows/app.h"

namespace {

// Point predicts 18 of the 36 numbers that get a verdict, Black or Red one colour of two:
// a blind guess of the same size hits half the time.
constexpr double HalfChance = 0.5;
constexpr double Confidence = 0.95;

// Judged predictions, hits, and the sum of the chances a blind guess had at each.
struct Tally {
  long judged = 0;
  long hits = 0;
  double chances = 0;

  Tally& operator+=(const Tally& t) {
    judged += t.judged;
    hits += t.hits;
    chances += t.chances;
    return *this;
  }
};

long count(const TextBox& t) {
  return std::max(0L, CInt(Val(t.text())));
}

// A window not loaded has counted nothing; reading it must not load it either.
template <class F>
Tally halfChanceTally(const F* window) {
  if (!window) return {};
  const long hits = count(window->Hit_T);
  const long judged = hits + count(window->Out_T);
  return {judged, hits, HalfChance * static_cast<double>(judged)};
}

Tally areaTally(const AreaVerdicts& record) {
  Tally t;
  for (const auto& v : record.verdicts()) {
    ++t.judged;
    t.hits += v.hit ? 1 : 0;
    t.chances += v.chance;
  }
  return t;
}

// With chances that differ from verdict to verdict (Area, Total) the test takes their
// mean: a binomial of that mean spreads at least as wide as the true count of hits, so
// its tail beyond chance is never smaller (Hoeffding 1956) and the p-value errs on the
// side of "no evidence".
void showRow(StatisticsForm& s, int row, const Tally& t, const std::string& caveat) {
  s.Judged(row).setText(Str(t.judged));
  s.Hits(row).setText(Str(t.hits));
  if (t.judged == 0) {
    for (TextBox* box : {&s.Hit_Rate(row), &s.Chance(row), &s.Strategy_P(row), &s.Interval(row)})
      box->setText("");
    s.Strategy_Verdict(row).setCaption(caveat + "判定された予想はまだありません。");
    return;
  }
  const double chance = t.chances / static_cast<double>(t.judged);
  const double p = BinomialUpperTail(t.hits, t.judged, chance);
  const Interval interval = RateInterval(t.hits, t.judged, Confidence);
  s.Hit_Rate(row).setText(PercentText(static_cast<double>(t.hits) / t.judged));
  s.Chance(row).setText(PercentText(chance));
  s.Strategy_P(row).setText(PText(p));
  s.Interval(row).setText(PercentText(interval.low) + " - " + PercentText(interval.high));
  s.Strategy_Verdict(row).setCaption(caveat +
                                     EvidenceText(p, "偶然を上回る強い証拠があります",
                                                  "偶然を上回る弱い証拠があります",
                                                  "偶然と区別できません") +
                                     "。");
}

}  // namespace

void ShowStrategyFigures(App& app, StatisticsForm& s) {
  const Tally point = halfChanceTally(app.forms.point.record());
  const Tally colour = halfChanceTally(app.forms.blackOrRed.record());
  const Tally area = areaTally(AreaVerdictsOf(app));
  Tally total = point;
  total += colour;
  total += area;

  // A loaded game brings Area scores whose verdicts and chances were never stored.
  const bool complete = AreaVerdictsComplete(app);
  const std::string caveat = complete ? "" : "読み込み後の予想のみ: ";
  showRow(s, PointRow, point, "");
  showRow(s, BlackOrRedRow, colour, "");
  showRow(s, AreaRow, area, caveat);
  showRow(s, TotalRow, total, caveat);
  s.Record_Note.setCaption(
      complete ? ""
               : "読み込んだデータの Area 予想は1件ごとの確率が保存されていないため、Area と "
                 "Total は読み込み後の予想だけで計算しています。");
}
