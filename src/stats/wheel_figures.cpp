#include "stats/wheel_figures.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "core/number_index.h"
#include "core/numeric.h"
#include "stats/chance_tests.h"
#include "stats/statistics_texts.h"
#include "stats/wheel_order.h"
#include "windows/app.h"

namespace {

// The chi-square test starts to mean much once every pocket expects this many results.
constexpr long LeastExpected = 5;

// The hit counts of the active pockets, by number index.
std::vector<long> pocketCounts(App& app) {
  const MainForm& m = Main_F(app);
  std::vector<long> counts(static_cast<std::size_t>(app.vars.PocketCount));
  for (std::size_t i = 0; i < counts.size(); ++i)
    counts[i] = std::max(0L, CInt(Val(m.Hit_Count(static_cast<int>(i)).text())));
  return counts;
}

void showPocket(Label& l, int index) {
  l.setCaption(NumberText(index));
  l.setBack(DarkColour(ColourClassOf(index)));
}

std::string biasVerdict(long spins, long need, double p) {
  if (spins == 0) return "まだスピンの記録がありません。";
  if (spins < need)
    return "まだ判定できません。検定があてになるのは各ポケットの期待回数が" + Str(LeastExpected) +
           "回に届く" + Str(need) + "回からです (あと" + Str(need - spins) + "回)。";
  return EvidenceText(p, "偏りの強い証拠があります", "偏りの弱い証拠があります",
                      "偏りの証拠はありません") +
         "。";
}

void showBias(StatisticsForm& s, const std::vector<long>& counts, long spins) {
  const auto pockets = static_cast<long>(counts.size());
  const long need = LeastExpected * pockets;
  const FitTest fit = EqualChanceFit(counts);
  const bool any = spins > 0;
  s.Spins.setText(Str(spins));
  s.Chi_DF.setText(Str(pockets - 1));
  s.Chi_Square.setText(any ? DecimalText(fit.statistic, 2) : "");
  s.Chi_P.setText(any ? PText(fit.p) : "");
  s.Need.setText(Str(need));
  s.Bias_Verdict.setCaption(biasVerdict(spins, need, fit.p));
}

// Rows in number order, or by z from the highest (ties in number order).
void showPockets(StatisticsForm& s, const std::vector<long>& counts, long spins) {
  const auto pockets = static_cast<int>(counts.size());
  const double chance = 1.0 / pockets;
  const bool any = spins > 0;
  std::vector<double> z(counts.size());
  for (std::size_t i = 0; i < counts.size(); ++i) z[i] = CountZ(counts[i], spins, chance);
  std::vector<int> rows(counts.size());
  std::iota(rows.begin(), rows.end(), 0);
  if (s.Sort_Z.value() == 1)
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
      return z[static_cast<std::size_t>(a)] > z[static_cast<std::size_t>(b)];
    });
  s.Expected.setText(any ? DecimalText(spins * chance, 2) : "");
  for (int r = 1; r <= 38; ++r) {
    const bool shown = r <= pockets;
    s.Pocket(r).setVisible(shown);
    s.Count(r).setVisible(shown);
    s.Z(r).setVisible(shown);
    if (!shown) continue;
    const auto i = static_cast<std::size_t>(rows[static_cast<std::size_t>(r - 1)]);
    showPocket(s.Pocket(r), static_cast<int>(i));
    s.Count(r).setText(Str(counts[i]));
    s.Z(r).setText(any ? DecimalText(z[i], 2) : "");
  }
}

std::string sectorVerdict(double p, int sectors) {
  return EvidenceText(p, "このセクターに偏りの強い証拠があります",
                      "このセクターに偏りの弱い証拠があります",
                      Str(sectors) + "のセクターすべてを見たうえでは偶然の範囲です", "補正後 p") +
         "。";
}

void showWheel(StatisticsForm& s, const std::vector<long>& counts, long spins, int pocketCount) {
  const std::span<const int> order = WheelOrder(pocketCount);
  std::vector<long> around;
  for (int i : order) around.push_back(counts[static_cast<std::size_t>(i)]);
  const std::vector<long> sectors = SectorCounts(around);
  const auto positions = static_cast<int>(order.size());
  for (int w = 1; w <= 38; ++w) {
    const bool shown = w <= positions;
    s.Wheel_Pocket(w).setVisible(shown);
    s.Wheel_Count(w).setVisible(shown);
    s.Wheel_Sector(w).setVisible(shown);
    if (!shown) continue;
    const auto at = static_cast<std::size_t>(w - 1);
    showPocket(s.Wheel_Pocket(w), order[at]);
    s.Wheel_Count(w).setText(Str(around[at]));
    s.Wheel_Sector(w).setText(Str(sectors[at]));
  }

  if (spins == 0) {
    for (TextBox* t : {&s.Sector_Count, &s.Sector_Expected, &s.Sector_P}) t->setText("");
    s.Sector_Pockets.setCaption("");
    s.Sector_Verdict.setCaption("");
    return;
  }
  const auto hottest =
      static_cast<long>(std::max_element(sectors.begin(), sectors.end()) - sectors.begin());
  std::string pocketsText;
  for (long d = -SectorReach; d <= SectorReach; ++d) {
    const auto at = static_cast<std::size_t>((hottest + d + positions) % positions);
    pocketsText += (pocketsText.empty() ? "" : " ") + NumberText(order[at]);
  }
  const double chance = static_cast<double>(SectorWidth) / positions;
  const long count = sectors[static_cast<std::size_t>(hottest)];
  const double p = CorrectedForLooks(BinomialUpperTail(count, spins, chance), positions);
  s.Sector_Pockets.setCaption(pocketsText);
  s.Sector_Count.setText(Str(count));
  s.Sector_Expected.setText(DecimalText(spins * chance, 2));
  s.Sector_P.setText(PText(p));
  s.Sector_Verdict.setCaption(sectorVerdict(p, positions));
}

// The outside bets by the numbers they cover; zero and double zero lose them all.
bool onBet(int bet, int number) {
  switch (bet) {
    case 1:
    case 2:
    case 3:
      return (number - 1) / 12 == bet - 1;
    case 4:
    case 5:
    case 6:
      return (number - 1) % 3 == bet - 4;
    case 7:
      return ColourClassOf(number - 1) == RedClass;
    case 8:
      return ColourClassOf(number - 1) == BlackClass;
    case 9:
      return number % 2 == 1;
    case 10:
      return number % 2 == 0;
    case 11:
      return number <= 18;
    default:
      return number >= 19;
  }
}

void showBets(StatisticsForm& s, const std::vector<long>& counts, long spins) {
  const auto pockets = static_cast<double>(counts.size());
  const bool any = spins > 0;
  for (int b = 1; b <= 12; ++b) {
    long count = 0;
    int covered = 0;
    for (int number = 1; number <= 36; ++number) {
      if (!onBet(b, number)) continue;
      count += counts[static_cast<std::size_t>(number - 1)];
      ++covered;
    }
    const double chance = covered / pockets;
    s.Bet_Count(b).setText(Str(count));
    s.Bet_Chance(b).setText(PercentText(chance));
    s.Bet_Rate(b).setText(any ? PercentText(static_cast<double>(count) / spins) : "");
    s.Bet_Z(b).setText(any ? DecimalText(CountZ(count, spins, chance), 2) : "");
  }
}

}  // namespace

void ShowWheelFigures(App& app, StatisticsForm& s) {
  const std::vector<long> counts = pocketCounts(app);
  const long spins = std::accumulate(counts.begin(), counts.end(), 0L);
  showBias(s, counts, spins);
  showPockets(s, counts, spins);
  showWheel(s, counts, spins, app.vars.PocketCount);
  showBets(s, counts, spins);
}
