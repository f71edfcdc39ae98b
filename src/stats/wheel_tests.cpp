#include "stats/wheel_tests.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/number_index.h"
#include "core/numeric.h"
#include "stats/bet_posterior.h"
#include "stats/sector_scan.h"
#include "stats/statistics_texts.h"
#include "stats/wheel_order.h"
#include "stats/wheel_tally.h"
#include "windows/statistics_form.h"

namespace {

// The chi-square test starts to mean much once every pocket expects this many results.
constexpr long LeastExpected = 5;
// Digits of a p from drawn wheels.
constexpr int DrawnDigits = 2;

void count(SingleTests& tests, double shownP) {
  ++tests.shown;
  tests.evidence = tests.evidence || shownP < WeakBelow;
}

std::string numbersText(const std::vector<int>& indices) {
  std::string text;
  for (int i : indices) text += (text.empty() ? "" : " ") + NumberText(i);
  return text;
}

void showChiSquare(StatisticsForm& s, const WheelTally& t, SingleTests& tests) {
  const long spins = t.spins();
  const long need = LeastExpected * t.pockets;
  const FitTest fit =
      EqualChanceFit(std::vector<long>(t.counts.begin(), t.counts.begin() + t.pockets));
  s.Chi_DF.setText(Str(t.pockets - 1));
  s.Chi_Square.setText(spins > 0 ? DecimalText(fit.statistic, 2) : "");
  if (spins == 0 || spins < need) {
    s.Chi_P.setText(spins > 0 ? NoP : "");
    s.Chi_Verdict.setCaption(spins > 0 ? "χ² 検定は各ポケットの期待回数が" + Str(LeastExpected) +
                                             "回に届く" + Str(need) + "回から使えます (あと" +
                                             Str(need - spins) + "回)。"
                                       : "");
    return;
  }
  s.Chi_P.setText(PText(fit.p));
  s.Chi_Verdict.setCaption(EvidenceText(fit.p, "この検定だけなら偏りの強い証拠があります",
                                        "この検定だけなら偏りの弱い証拠があります",
                                        "この検定は偏りを示していません") +
                           "。");
  count(tests, ShownP(fit.p));
}

// The wheel positions of the sectors with the most of the given counts, in wheel order.
std::vector<int> hottestSectors(const WheelTally& t, const std::array<long, 38>& counts) {
  std::vector<long> around;
  for (int i : WheelOrder(t.pockets)) around.push_back(counts[static_cast<std::size_t>(i)]);
  const std::vector<long> sectors = SectorCounts(around);
  const long top = *std::max_element(sectors.begin(), sectors.end());
  std::vector<int> hottest;
  for (std::size_t w = 0; w < sectors.size(); ++w)
    if (sectors[w] == top) hottest.push_back(static_cast<int>(w));
  return hottest;
}

// The number indices of a sector centred on a wheel position, in wheel order.
std::vector<int> sectorPockets(int pockets, int centre) {
  const auto order = WheelOrder(pockets);
  std::vector<int> indices;
  for (int d = -SectorReach; d <= SectorReach; ++d)
    indices.push_back(order[static_cast<std::size_t>((centre + d + pockets) % pockets)]);
  return indices;
}

void showSector(StatisticsForm& s, const WheelTally& t, const SectorScan& scan, double strength,
                SingleTests& tests) {
  const long spins = t.spins();
  if (spins == 0) {
    for (TextBox* box : {&s.Sector_Count, &s.Sector_Expected, &s.Sector_P, &s.Sector_Rate,
                         &s.Sector_Band, &s.Sector_Winning})
      box->setText("");
    s.Sector_Pockets.setCaption("");
    s.Sector_Verdict.setCaption("");
    return;
  }
  const std::vector<int> hottest = hottestSectors(t, t.counts);
  long top = 0;
  for (int i : sectorPockets(t.pockets, hottest.front()))
    top += t.counts[static_cast<std::size_t>(i)];
  // Tied sectors are all named, by their centres when there are several.
  std::string named = numbersText(sectorPockets(t.pockets, hottest.front()));
  if (hottest.size() > 1) {
    std::vector<int> centres;
    for (int w : hottest) centres.push_back(WheelOrder(t.pockets)[static_cast<std::size_t>(w)]);
    named = "同数の" + Str(static_cast<double>(hottest.size())) + "セクター、中心 " +
            numbersText(centres);
  }
  s.Sector_Pockets.setCaption(named);
  s.Sector_Count.setText(Str(top));
  s.Sector_Expected.setText(DecimalText(static_cast<double>(spins) * SectorWidth / t.pockets, 2));

  const BetPosterior posterior = PosteriorOfBet(SectorWidth, top, spins, t.pockets, strength);
  s.Sector_Rate.setText(PercentText(posterior.rate));
  s.Sector_Band.setText(PercentText(posterior.low) + " - " + PercentText(posterior.high));
  s.Sector_Winning.setText(PercentText(posterior.winning));

  // Not even every spin in one sector would give evidence yet.
  if (scan.p(spins, spins) >= WeakBelow) {
    s.Sector_P.setText(NoP);
    s.Sector_Verdict.setCaption("まだスピンが少なく、この検定は何も示せません。");
    return;
  }
  const double p = scan.p(top, spins);
  s.Sector_P.setText(PText(p, DrawnDigits));
  s.Sector_Verdict.setCaption(
      EvidenceText(p, "このセクターに偏りの強い証拠があります",
                   "このセクターに偏りの弱い証拠があります",
                   Str(t.pockets) + "のセクターすべてを見たうえでは偶然の範囲です", "補正後 p",
                   DrawnDigits) +
      "。");
  count(tests, ShownP(p, DrawnDigits));
}

// A holdout row: the pockets named on the earlier spins, tested on the later ones.
void showHoldout(StatisticsForm& s, int row, const WheelTally& t, std::vector<int> named,
                 SingleTests& tests) {
  const long later = t.spins() - t.earlierSpins();
  long hits = 0;
  for (int i : named)
    hits += t.counts[static_cast<std::size_t>(i)] - t.earlier[static_cast<std::size_t>(i)];
  const double chance = static_cast<double>(named.size()) / t.pockets;
  s.Holdout_Named(row).setCaption(numbersText(named));
  s.Holdout_Later(row).setText(Str(hits));
  s.Holdout_Expected(row).setText(DecimalText(static_cast<double>(later) * chance, 2));
  // Even every later spin on the named pockets would not be evidence yet.
  if (later < 1 || static_cast<double>(later) * std::log(chance) >= std::log(WeakBelow)) {
    s.Holdout_P(row).setText(NoP);
    s.Holdout_Verdict(row).setCaption("後半のスピンがまだ足りません。");
    return;
  }
  const double p = BinomialUpperTail(hits, later, chance);
  s.Holdout_P(row).setText(PText(p));
  s.Holdout_Verdict(row).setCaption(EvidenceText(p, "後半でも多く、偏りの強い証拠があります",
                                                 "後半でも多く、偏りの弱い証拠があります",
                                                 "後半では確かめられません") +
                                    "。");
  count(tests, ShownP(p));
}

void showHoldouts(StatisticsForm& s, const WheelTally& t, SingleTests& tests) {
  const long earlier = t.earlierSpins();
  if (earlier == 0) {
    s.Holdout_Note.setCaption(t.spins() > 0 ? "前半のスピンがまだありません。" : "");
    for (int row = 1; row <= 2; ++row) {
      s.Holdout_Named(row).setCaption("");
      s.Holdout_Verdict(row).setCaption("");
      for (TextBox* box : {&s.Holdout_Later(row), &s.Holdout_Expected(row), &s.Holdout_P(row)})
        box->setText("");
    }
    return;
  }
  s.Holdout_Note.setCaption("前半 " + Str(earlier) + " 回で最も多かったものを、後半 " +
                            Str(t.spins() - earlier) + " 回で確かめます (同数はまとめて)。");
  const long top = *std::max_element(t.earlier.begin(), t.earlier.begin() + t.pockets);
  std::vector<int> pockets;
  for (int i = 0; i < t.pockets; ++i)
    if (t.earlier[static_cast<std::size_t>(i)] == top) pockets.push_back(i);
  showHoldout(s, PocketHoldout, t, pockets, tests);

  // The pockets of the hottest earlier sectors, each once, in wheel order from the start
  // of their arc: round the wheel from a position outside it.
  std::vector<bool> in(static_cast<std::size_t>(t.pockets), false);
  for (int w : hottestSectors(t, t.earlier))
    for (int d = -SectorReach; d <= SectorReach; ++d)
      in[static_cast<std::size_t>((w + d + t.pockets) % t.pockets)] = true;
  const auto outside = std::find(in.begin(), in.end(), false);
  const int start = outside == in.end() ? 0 : static_cast<int>(outside - in.begin());
  std::vector<int> sector;
  for (int k = 1; k <= t.pockets; ++k) {
    const auto w = static_cast<std::size_t>((start + k) % t.pockets);
    if (in[w]) sector.push_back(WheelOrder(t.pockets)[w]);
  }
  showHoldout(s, SectorHoldout, t, sector, tests);
}

}  // namespace

SingleTests ShowWheelTests(StatisticsForm& s, const WheelTally& tally, const SectorScan& scan,
                           double strength) {
  SingleTests tests;
  showChiSquare(s, tally, tests);
  showSector(s, tally, scan, strength, tests);
  showHoldouts(s, tally, tests);
  if (tests.shown == 0)
    s.Tests_Note.setCaption(tally.spins() > 0 ? "p を示す検定はまだありません。" : "");
  else
    s.Tests_Note.setCaption(
        "p を示す検定はこの窓に" + Str(tests.shown) +
        "つ。公平なホイールでも、1度見ただけでどれかが「証拠」(p < " + Str(WeakBelow) +
        ") を示す確率は最大 " + Str(WeakBelow * 100 * tests.shown) +
        "%、毎スピン見続ければさらに高くなります。見続けてよいのは上の「証拠」だけです。");
  return tests;
}
