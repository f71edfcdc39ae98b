#include "windows/statistics_form.h"

#include "windows/forms.h"

StatisticsForm::StatisticsForm() : Form(FormId::Stats_F, "Statistics") {
  Evidence_Frame.setCaption("公平なホイールか");
  Pocket_Frame.setCaption("ポケットごと");
  Sort_Rate.setCaption("多い順");
  Source_Game.setCaption("このゲーム");
  Source_Game.setDesignValue(1);
  Source_Wheel.setCaption("ホイールの全スピン (ホイール帳)");
  for (auto& l : Pocket) l.setFore(White);
  for (auto& l : Wheel_Pocket) l.setFore(White);
  Sector_Frame.setCaption("最も多いセクター (5ポケット)");
  Test_Frame.setCaption("1度だけ見るための検定");
  Holdout_Frame.setCaption("前半で名指し、後半で確かめる");
  Bet_Frame.setCaption("外側の賭け");
  const char* const bets[] = {"1-12", "13-24", "25-36", "列 1", "列 2", "列 3",
                              "赤",   "黒",    "奇数",  "偶数", "1-18", "19-36"};
  for (int b = 1; b <= 12; ++b) Bet(b).setCaption(bets[b - 1]);
  Strategy_Frame.setCaption("予想は偶然に、そして胴元に勝っているか");
  const char* const strategies[] = {"Point", "Black or Red", "Area", "Total"};
  for (int s = 1; s <= 4; ++s) Strategy(s).setCaption(strategies[s - 1]);
  Strategy_Note.setCaption(
      "公平で毎回独立に回るホイールでは、過去の出目から作るどんな予想も偶然の率を上回らず、"
      "損益分岐にも届きません。期待値は 1 単位を賭けたときの損益 (0 と 00 の負けを含む)、"
      "区間はいつ見ても有効な 90% 区間です。");

  add("Evidence_Frame", Evidence_Frame);
  add("Source_Game", Source_Game);
  add("Source_Wheel", Source_Wheel);
  add("Spins", Spins);
  add("Evidence", Evidence);
  add("Evidence_Verdict", Evidence_Verdict);
  add("Power_Note", Power_Note);
  add("Tests_Note", Tests_Note);
  add("Model_Note", Model_Note);
  add("Pocket_Frame", Pocket_Frame);
  add("Sort_Rate", Sort_Rate);
  add("Expected", Expected);
  add("Pocket", Pocket);
  add("Count", Count);
  add("Rate", Rate);
  add("Band", Band);
  add("Winning", Winning);
  add("Wheel_Pocket", Wheel_Pocket);
  add("Wheel_Count", Wheel_Count);
  add("Wheel_Sector", Wheel_Sector);
  add("Sector_Frame", Sector_Frame);
  add("Sector_Pockets", Sector_Pockets);
  add("Sector_Count", Sector_Count);
  add("Sector_Expected", Sector_Expected);
  add("Sector_P", Sector_P);
  add("Sector_Verdict", Sector_Verdict);
  add("Sector_Rate", Sector_Rate);
  add("Sector_Band", Sector_Band);
  add("Sector_Winning", Sector_Winning);
  add("Test_Frame", Test_Frame);
  add("Chi_Square", Chi_Square);
  add("Chi_DF", Chi_DF);
  add("Chi_P", Chi_P);
  add("Chi_Verdict", Chi_Verdict);
  add("Holdout_Frame", Holdout_Frame);
  add("Holdout_Note", Holdout_Note);
  add("Holdout_Named", Holdout_Named);
  add("Holdout_Later", Holdout_Later);
  add("Holdout_Expected", Holdout_Expected);
  add("Holdout_P", Holdout_P);
  add("Holdout_Verdict", Holdout_Verdict);
  add("Bet_Frame", Bet_Frame);
  add("Bet", Bet);
  add("Bet_Count", Bet_Count);
  add("Bet_Chance", Bet_Chance);
  add("Bet_Band", Bet_Band);
  add("Bet_Winning", Bet_Winning);
  add("Strategy_Frame", Strategy_Frame);
  add("Strategy", Strategy);
  add("Judged", Judged);
  add("Hits", Hits);
  add("Hit_Rate", Hit_Rate);
  add("Chance", Chance);
  add("Break_Even", Break_Even);
  add("Value", Value);
  add("Value_Band", Value_Band);
  add("Evidence_Chance", Evidence_Chance);
  add("Evidence_Even", Evidence_Even);
  add("Strategy_Verdict", Strategy_Verdict);
  add("Strategy_Note", Strategy_Note);
  add("Record_Note", Record_Note);
}
