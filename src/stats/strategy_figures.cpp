#include "stats/strategy_figures.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "area/area_verdicts.h"
#include "core/numeric.h"
#include "stats/statistics_texts.h"
#include "stats/strategy_evidence.h"
#include "windows/app.h"

namespace {

// Point predicts 18 of the 36 numbers that get a verdict, Black or Red one colour of two:
// a blind guess of the same size hits half the time.
constexpr double HalfChance = 0.5;

// A bet on the predicted numbers pays 36 for 1 spread over them, and zero and double zero,
// which the Point and colour verdicts leave out, lose it: per unit staked a hit returns
// 36 / (chance * pockets) whatever the strategy, so breaking even takes `pockets / 36`
// times a blind guess's hits.
double breakEvenFactor(int pockets) {
  return pockets / 36.0;
}

long count(const TextBox& t) {
  return std::max(0L, CInt(Val(t.text())));
}

// A window not loaded has counted nothing; reading it must not load it either.
template <class F>
std::vector<VerdictGroup> halfChanceGroups(const F* window) {
  if (!window) return {};
  return {{HalfChance, count(window->Hit_T), count(window->Out_T)}};
}

// Areas come in a few sizes, so a few groups hold all the verdicts.
std::vector<VerdictGroup> areaGroups(const AreaVerdicts& record) {
  std::vector<VerdictGroup> groups;
  for (const auto& v : record.verdicts()) {
    auto g = std::find_if(groups.begin(), groups.end(),
                          [&](const VerdictGroup& x) { return x.chance == v.chance; });
    if (g == groups.end()) g = groups.insert(groups.end(), {v.chance, 0, 0});
    ++(v.hit ? g->hits : g->misses);
  }
  return groups;
}

std::string verdict(double logChance, double logEven) {
  const double alarm = std::log(EvidenceAlarm);
  if (logEven >= alarm) return "損益分岐を上回る強い証拠があります (証拠 ≥ 20)。";
  if (logChance >= alarm)
    return "偶然を上回る強い証拠がありますが、損益分岐を上回る証拠はまだありません。";
  return "偶然を上回る証拠はありません (証拠 < 20)。";
}

void showRow(StatisticsForm& s, int row, const std::vector<VerdictGroup>& groups, int pockets,
             const std::string& caveat) {
  long judged = 0, hits = 0;
  double chances = 0, returns = 0;
  for (const VerdictGroup& g : groups) {
    judged += g.hits + g.misses;
    hits += g.hits;
    chances += g.chance * static_cast<double>(g.hits + g.misses);
    returns += static_cast<double>(g.hits) / (g.chance * breakEvenFactor(pockets));
  }
  s.Judged(row).setText(Str(judged));
  s.Hits(row).setText(Str(hits));
  if (judged == 0) {
    for (TextBox* box : {&s.Hit_Rate(row), &s.Chance(row), &s.Break_Even(row), &s.Value(row),
                         &s.Value_Band(row), &s.Evidence_Chance(row), &s.Evidence_Even(row)})
      box->setText("");
    s.Strategy_Verdict(row).setCaption(caveat + "判定された予想はまだありません。");
    return;
  }
  const auto n = static_cast<double>(judged);
  const FactorBounds bounds = HitFactorBounds(groups);
  const auto edge = [&](double factor) { return factor / breakEvenFactor(pockets) - 1; };
  const double logChance = LogBettingEvidence(groups, 1);
  const double logEven = LogBettingEvidence(groups, breakEvenFactor(pockets));
  s.Hit_Rate(row).setText(PercentText(static_cast<double>(hits) / n));
  s.Chance(row).setText(PercentText(chances / n));
  s.Break_Even(row).setText(PercentText(chances / n * breakEvenFactor(pockets)));
  s.Value(row).setText(SignedPercentText(returns / n - 1));
  s.Value_Band(row).setText(SignedPercentText(edge(bounds.low), 0) + " 〜 " +
                            SignedPercentText(edge(bounds.high), 0));
  s.Evidence_Chance(row).setText(EValueText(logChance));
  s.Evidence_Even(row).setText(EValueText(logEven));
  s.Strategy_Verdict(row).setCaption(caveat + verdict(logChance, logEven));
}

}  // namespace

void ShowStrategyFigures(App& app, StatisticsForm& s) {
  const std::vector<VerdictGroup> point = halfChanceGroups(app.forms.point.record());
  const std::vector<VerdictGroup> colour = halfChanceGroups(app.forms.blackOrRed.record());
  const std::vector<VerdictGroup> area = areaGroups(AreaVerdictsOf(app));
  std::vector<VerdictGroup> total = point;
  total.insert(total.end(), colour.begin(), colour.end());
  total.insert(total.end(), area.begin(), area.end());

  // A loaded game brings Area scores whose verdicts and chances were never stored.
  const bool complete = AreaVerdictsComplete(app);
  const int pockets = app.vars.PocketCount;
  showRow(s, PointRow, point, pockets, "");
  showRow(s, BlackOrRedRow, colour, pockets, "");
  showRow(s, AreaRow, area, pockets, complete ? "" : "読み込み後の予想のみ: ");
  showRow(s, TotalRow, total, pockets, complete ? "" : "Area は読み込み後のみ: ");
  s.Record_Note.setCaption(
      complete ? ""
               : "読み込んだゲームの Area 予想は1件ごとの確率が保存されていないため、Area "
                 "は読み込み後の予想だけで、Total は Point と Black or Red "
                 "のすべての予想に読み込み後の Area 予想を加えて計算しています。");
}
