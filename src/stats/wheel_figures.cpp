#include "stats/wheel_figures.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "core/number_index.h"
#include "core/numeric.h"
#include "stats/bet_posterior.h"
#include "stats/outside_bets.h"
#include "stats/statistics_texts.h"
#include "stats/wheel_order.h"
#include "stats/wheel_tally.h"
#include "windows/statistics_form.h"

namespace {

void showPocket(Label& l, int index) {
  l.setCaption(NumberText(index));
  l.setBack(DarkColour(ColourClassOf(index)));
}

// "2.41 - 3.12": the interval in percent, two decimals, which a pocket's chance needs.
std::string bandText(const BetPosterior& p, int decimals) {
  return DecimalText(p.low * 100, decimals) + " - " + DecimalText(p.high * 100, decimals);
}

// Rows in number order, or by count from the highest (ties in number order).
void showPockets(StatisticsForm& s, const WheelTally& t, double strength) {
  const int pockets = t.pockets;
  const long spins = t.spins();
  std::vector<int> rows(static_cast<std::size_t>(pockets));
  std::iota(rows.begin(), rows.end(), 0);
  if (s.Sort_Rate.value() == 1)
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
      return t.counts[static_cast<std::size_t>(a)] > t.counts[static_cast<std::size_t>(b)];
    });
  s.Expected.setText(spins > 0 ? DecimalText(static_cast<double>(spins) / pockets, 2) : "");
  for (int r = 1; r <= 38; ++r) {
    const bool shown = r <= pockets;
    for (Control* c : std::initializer_list<Control*>{&s.Pocket(r), &s.Count(r), &s.Rate(r),
                                                      &s.Band(r), &s.Winning(r)})
      c->setVisible(shown);
    if (!shown) continue;
    const int i = rows[static_cast<std::size_t>(r - 1)];
    const long count = t.counts[static_cast<std::size_t>(i)];
    showPocket(s.Pocket(r), i);
    s.Count(r).setText(Str(count));
    // Before any spin there is nothing but the prior to show.
    const BetPosterior p = PosteriorOfBet(1, count, spins, pockets, strength);
    s.Rate(r).setText(spins > 0 ? PercentText(p.rate, 2) : "");
    s.Band(r).setText(spins > 0 ? bandText(p, 2) : "");
    s.Winning(r).setText(spins > 0 ? PercentText(p.winning) : "");
  }
}

void showWheel(StatisticsForm& s, const WheelTally& t) {
  const std::span<const int> order = WheelOrder(t.pockets);
  std::vector<long> around;
  for (int i : order) around.push_back(t.counts[static_cast<std::size_t>(i)]);
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
}

void showBets(StatisticsForm& s, const WheelTally& t, double strength) {
  const long spins = t.spins();
  for (int b = 1; b <= OutsideBets; ++b) {
    long count = 0;
    for (int i = 0; i < 36; ++i)
      if (OnOutsideBet(b, i)) count += t.counts[static_cast<std::size_t>(i)];
    const int covered = OutsideBetSize(b);
    const BetPosterior p = PosteriorOfBet(covered, count, spins, t.pockets, strength);
    s.Bet_Count(b).setText(Str(count));
    s.Bet_Chance(b).setText(PercentText(static_cast<double>(covered) / t.pockets));
    s.Bet_Band(b).setText(spins > 0 ? bandText(p, 1) : "");
    s.Bet_Winning(b).setText(spins > 0 ? PercentText(p.winning) : "");
  }
}

}  // namespace

void ShowWheelFigures(StatisticsForm& s, const WheelTally& tally, double strength) {
  showPockets(s, tally, strength);
  showWheel(s, tally);
  showBets(s, tally, strength);
}
