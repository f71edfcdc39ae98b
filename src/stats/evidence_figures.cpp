#include "stats/evidence_figures.h"

#include <cmath>
#include <string>

#include "core/numeric.h"
#include "stats/evidence_power.h"
#include "stats/statistics_state.h"
#include "stats/statistics_texts.h"
#include "stats/wheel_tests.h"
#include "windows/statistics_form.h"

namespace {

struct KindWords {
  BiasKind kind;
  const char* name;
};
constexpr KindWords Kinds[] = {{BiasKind::Pocket, "1 ポケット"},
                               {BiasKind::Sector, "セクター"},
                               {BiasKind::DozenOrColumn, "ダース"}};

std::string verdict(const WheelEvidence& evidence, const SingleTests& tests) {
  if (evidence.spins() == 0) return "まだスピンの記録がありません。";
  const std::string value = EValueText(evidence.logValue());
  if (evidence.logValue() >= std::log(EvidenceAlarm))
    return "公平なホイールに対する強い証拠があります: 証拠 " + value + " は警報の " +
           Str(EvidenceAlarm) + " を超えています。公平なホイールがいつか " + Str(EvidenceAlarm) +
           " に届く確率は、毎スピン見続けても " + PercentText(1 / EvidenceAlarm, 0) + " 以下です。";
  std::string text = "公平なホイールに対する証拠は " + value + " で、警報の " + Str(EvidenceAlarm) +
                     " に届いていません。";
  if (tests.evidence)
    text += "下の検定の「証拠」は、検定の数と見た回数を思えば公平なホイールでもよく出る程度です。";
  return text + "偏りが見つからないことは公平の証明ではありません。";
}

std::string powerNote(const WheelTally& t, StatisticsState& state) {
  const long spins = t.spins();
  std::string found;
  for (const KindWords& k : Kinds) {
    const double multiple = DetectableMultiple(k.kind, t.pockets, spins);
    if (multiple <= 0) continue;
    found += std::string(found.empty() ? "" : "、") + k.name + "なら率 " +
             DecimalText(multiple, 2) + " 倍 (" + (found.empty() ? "期待値 " : "") +
             SignedPercentText(PlayerEdge(multiple, t.pockets), 0) + ")";
  }
  std::string needed;
  for (const KindWords& k : Kinds)
    needed += std::string(needed.empty() ? "" : "、") + k.name + "で" +
              AboutSpinsText(state.spinsNeeded(k.kind, t.pockets));
  return "検出力: この " + Str(spins) + " 回で" +
         (found.empty() ? "は、どんな偏りも 80% の確率では警報に届きません。"
                        : "警報に 80% 以上届く偏りは、" + found + "。") +
         "期待値 +1.5% の偏りに 80% で気づくには、" + needed + "。";
}

}  // namespace

void ShowEvidence(StatisticsForm& s, const WheelTally& tally, const WheelEvidence& evidence,
                  const SingleTests& tests, StatisticsState& state) {
  s.Spins.setText(Str(tally.spins()));
  s.Evidence.setText(EValueText(evidence.logValue()));
  s.Evidence_Verdict.setCaption(verdict(evidence, tests));
  s.Power_Note.setCaption(powerNote(tally, state));
  s.Model_Note.setCaption(tally.strayDoubleZero > 0
                              ? "00 を外したゲームに 00 が " + Str(tally.strayDoubleZero) +
                                    " 回: それも数え、38 ポケットのホイールとして判定しています。"
                              : "");
}
