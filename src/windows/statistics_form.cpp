#include "windows/statistics_form.h"

StatisticsForm::StatisticsForm() : Form(FormId::Stats_F, "Statistics") {
  Bias_Frame.setCaption("ホイールの偏り");
  Sort_Z.setCaption("z の大きい順");
  for (auto& l : Pocket) l.setFore(White);
  for (auto& l : Wheel_Pocket) l.setFore(White);
  Sector_Frame.setCaption("最も多いセクター (5ポケット)");
  Bet_Frame.setCaption("外側の賭け");
  const char* const bets[] = {"1-12", "13-24", "25-36", "列 1", "列 2", "列 3",
                              "赤",   "黒",    "奇数",  "偶数", "1-18", "19-36"};
  for (int b = 1; b <= 12; ++b) Bet(b).setCaption(bets[b - 1]);
  Strategy_Frame.setCaption("予想は偶然に勝っているか");
  const char* const strategies[] = {"Point", "Black or Red", "Area", "Total"};
  for (int s = 1; s <= 4; ++s) Strategy(s).setCaption(strategies[s - 1]);

  add("Bias_Frame", Bias_Frame);
  add("Spins", Spins);
  add("Chi_Square", Chi_Square);
  add("Chi_DF", Chi_DF);
  add("Chi_P", Chi_P);
  add("Need", Need);
  add("Bias_Verdict", Bias_Verdict);
  add("Sort_Z", Sort_Z);
  add("Expected", Expected);
  add("Pocket", Pocket);
  add("Count", Count);
  add("Z", Z);
  add("Wheel_Pocket", Wheel_Pocket);
  add("Wheel_Count", Wheel_Count);
  add("Wheel_Sector", Wheel_Sector);
  add("Sector_Frame", Sector_Frame);
  add("Sector_Pockets", Sector_Pockets);
  add("Sector_Count", Sector_Count);
  add("Sector_Expected", Sector_Expected);
  add("Sector_P", Sector_P);
  add("Sector_Verdict", Sector_Verdict);
  add("Bet_Frame", Bet_Frame);
  add("Bet", Bet);
  add("Bet_Count", Bet_Count);
  add("Bet_Rate", Bet_Rate);
  add("Bet_Chance", Bet_Chance);
  add("Bet_Z", Bet_Z);
  add("Strategy_Frame", Strategy_Frame);
  add("Strategy", Strategy);
  add("Judged", Judged);
  add("Hits", Hits);
  add("Hit_Rate", Hit_Rate);
  add("Chance", Chance);
  add("Strategy_P", Strategy_P);
  add("Interval", Interval);
  add("Strategy_Verdict", Strategy_Verdict);
  add("Record_Note", Record_Note);
}
