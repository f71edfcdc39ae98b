#include <gtest/gtest.h>

#include "../support/predict_support.h"
#include "core/number_index.h"

namespace {

std::string undo(TestProgram& p, int index) {
  return p.run("click Main_F.Count_M(" + std::to_string(index) + ")");
}

}  // namespace

TEST(Undo, OnlyTheLastSpinAndOnlyOnce) {
  TestProgram p;
  EXPECT_EQ(undo(p, 6), "");  // nothing recorded yet
  p.spin(6);
  p.spin(13);  // 14, red
  EXPECT_EQ(undo(p, 6), "");
  EXPECT_EQ(p.main().Total.text(), "2");
  EXPECT_EQ(undo(p, 13), "sound Data/Sound/Count.wav\n");
  const std::string row = "Total.text Hit_Count(13).text Red.text Rate(6).text Rate(13).text";
  const std::string strip = " Log(0).caption Log(1).caption Log(1).back";
  EXPECT_EQ(Shown(p, "Main_F", row + strip), "1|0|1|3800%|0%|7||buttonface");
  EXPECT_EQ(Shown(p, "var", "SpinLog(1) SpinLog(2)"), "7|0");
  EXPECT_EQ(undo(p, 13), "");
  EXPECT_EQ(undo(p, 6), "");
  EXPECT_EQ(p.main().Total.text(), "1");

  // The only spin taken back leaves the rates and the round count as they stand (even
  // while an area is edited: undo has no refusal for it).
  TestProgram q;
  q.spin(36);  // 0
  q.app().vars.AreaEditing = 1;
  undo(q, 36);
  EXPECT_EQ(Shown(q, "Main_F",
                  "Total.text Hit_Count(36).text Rate(36).text Round_T.text Red.text Black.text"
                  " Log(0).caption Log(0).back"),
            "0|0|3800%|0|0|0||buttonface");
  EXPECT_EQ(Shown(q, "var", "LogColour(0) SpinLog(1)"), "0|0");
}

TEST(Undo, UnroundedRoundCountAndItsOwnLevelSteps) {
  TestProgram p;
  MainForm& m = p.main();
  p.spin(0, 48);
  EXPECT_EQ(m.Round_T.text(), "1.3");
  EXPECT_EQ(LitLevels(m, 5), 1);  // lag 1.3 is above 1.0 only of the spin steps
  undo(p, 0);
  // 47 / 38 written whole; lag 1.2368 is above 1.0 and 1.2 of the undo steps.
  EXPECT_EQ(Shown(p, "Main_F", "Round_T.text Hit_Level_2(5).back Rate(0).text"),
            "1.23684210526316|#C0FFFF|3800%");
  EXPECT_EQ(LitLevels(m, 5), 2);
}

TEST(Undo, StripMovesUpAndItsOldestCellDoesNotComeBack) {
  TestProgram p;
  MainForm& m = p.main();
  for (int n = 0; n < 26; ++n) p.spin(n);
  EXPECT_EQ(m.Log(24).caption(), "2");
  p.spin(36);
  undo(p, 36);
  // A zero taken back changes neither colour.
  EXPECT_EQ(Shown(p, "Main_F",
                  "Log(0).caption Log(23).caption Log(24).caption Log(24).back "
                  "Red.text Black.text"),
            "26|3||buttonface|13|13");
  p.spin(1);  // 2, black
  undo(p, 1);
  EXPECT_EQ(Shown(p, "Main_F", "Red.text Black.text"), "13|13");
}

TEST(Undo, TheLogForgetsTheSpinOnlyWithinItsFirst5000) {
  TestProgram p;
  auto& v = p.app().vars;
  p.main().Total.setText("4999");
  p.spin(3);
  EXPECT_EQ(v.SpinLog(5000), 4);
  undo(p, 3);
  const std::string shown = "var SpinLog(5000)\nget Main_F.Total.text";
  EXPECT_EQ(p.run(shown), "SpinLog(5000)=0\nMain_F.Total.text=4999\n");
  p.spin(1);
  p.spin(2);  // the 5001st spin is not logged, and its undo leaves entry 5000 alone
  undo(p, 2);
  EXPECT_EQ(p.run(shown), "SpinLog(5000)=2\nMain_F.Total.text=5000\n");
}

TEST(Undo, PutsBackTheStatusWindowsAndTheStandingPrediction) {
  TestProgram p;
  auto& v = p.app().vars;
  BlackOrRedForm& b = Black_or_Red_F(p.app());
  PointForm& pt = Point_F(p.app());
  AreaForm& a = Area_F(p.app());
  v.ExpectDone = 1;
  p.main().Expect.setBack(Colour::rgb(0x80FFFF));
  b.Hit_Hantei_Red.setText("1");
  b.Hit_Hantei_Black.setText("1");
  b.Red_Win_Rate.setText("2, or so");  // a comma is kept whole
  pt.Expect_H(5).setText("1");
  pt.Out_T.setText("");
  a.Expect_H(2).setText("1");
  a.Win_Rate(7).setText("51.3%");
  p.spin(6);
  EXPECT_EQ(p.main().Expect.back(), ButtonFace);

  // What the verdict of the spin would leave behind.
  v.ExpectDone = 0;
  b.Hit_Hantei_Red.setText("0");
  b.Red_Win_Rate.setText("3");
  b.B_OR_R_L.setCaption("予想的中 !");
  b.Image1.setVisible(true);
  b.Black_Light.setLit(true);
  pt.Expect_H(5).setText("0");
  pt.Expect_H(9).setText("1");
  pt.Out_T.setText("4");
  pt.Status_L.setCaption("予想アウト");
  a.Hit_Area_L(3).setVisible(true);
  a.Status_L(7).setCaption("予想結果なし");
  a.Win_Rate(7).setText("60%");
  v.AreaMember(1)(0) = 1;

  undo(p, 6);
  EXPECT_EQ(Shown(p, "var", "ExpectDone AreaMember1(0)"), "1|1");  // undo never touches areas
  EXPECT_EQ(p.main().Expect.back(), Colour::rgb(0x80FFFF));
  EXPECT_EQ(Shown(p, "Black_or_Red_F",
                  "Hit_Hantei_Red.text Red_Win_Rate.text B_OR_R_L.caption Image1.visible"),
            "1|2, or so||0");
  EXPECT_TRUE(b.Red_Light.lit() && !b.Black_Light.lit());  // both flags set: red wins
  EXPECT_EQ(Shown(p, "Point_F", "Expect_H(9).text Out_T.text Status_L.caption"), "0||");
  EXPECT_EQ(LitNumbers(p.app()), "5 ");
  EXPECT_EQ(Shown(p, "Area_F", "Hit_Area_L(3).visible Status_L(7).caption Win_Rate(7).text"),
            "0||51.3%");
  EXPECT_TRUE(a.Expect_Light(2).lit());
}

TEST(Undo, LampsKeepTheirPicturesWhenNoColourWasPredicted) {
  TestProgram p;
  BlackOrRedForm& b = Black_or_Red_F(p.app());
  b.Hit_Hantei_Red.setText("0");
  b.Hit_Hantei_Black.setText("0");
  p.spin(3);
  b.Black_Light.setLit(true);
  undo(p, 3);
  EXPECT_TRUE(b.Black_Light.lit() && !b.Red_Light.lit());
}

TEST(Undo, TheTotalWindowTakesTheVerdictBackSoReEntryCountsItOnce) {
  TestProgram p{{"Data/Files/USER.FIL", "38,0,0\r\n"}};
  const auto shown = [&p] {
    return Shown(p, "Total_F",
                 "Expect_Hit.text Expect_Out.text Win_Rate.text Status_L.caption Image1.visible");
  };
  for (int i = 0; i < 38; ++i) p.spin(i);
  const std::string before = shown();
  p.run("click Main_F.Expect\ntick 1000");
  // A number of the predicted colour: 1 is red, 2 is black.
  const int index = p.app().vars.ExpectColour == RedClass ? 0 : 1;
  p.spin(index);
  const std::string judged = shown();
  const std::string colourTally = Black_or_Red_F(p.app()).Hit_T.text();
  EXPECT_NE(judged, before);

  undo(p, index);
  EXPECT_EQ(shown(), before);
  p.spin(index);
  EXPECT_EQ(shown(), judged);
  EXPECT_EQ(Black_or_Red_F(p.app()).Hit_T.text(), colourTally);
}
