#include <gtest/gtest.h>

#include "../support/test_program.h"

TEST(SpinEntry, LevelLightsFollowTheRoundedRoundCount) {
  TestProgram p;
  MainForm& m = p.main();
  for (int i = 0; i < 38; ++i) p.spin(i);
  EXPECT_EQ(m.Round_T.text(), "1");
  for (int j = 0; j < 38; ++j) EXPECT_EQ(m.Rate(j).text(), "100%");

  // Number 1 comes out again and again: the others lag, but 1.0 is not above 1.0.
  p.spin(0, 2);
  EXPECT_EQ(m.Round_T.text(), "1.1");
  EXPECT_EQ(m.Total.text(), "40");
  EXPECT_EQ(LitLevels(m, 1), 0);  // lag 1.1 - 1 = 0.1
  TestProgram q;
  q.spin(0, 39);
  EXPECT_EQ(q.main().Round_T.text(), "1");
  EXPECT_EQ(LitLevels(q.main(), 5), 0);
  q.spin(0);
  EXPECT_EQ(q.main().Round_T.text(), "1.1");
  EXPECT_EQ(LitLevels(q.main(), 5), 1);
  EXPECT_EQ(q.main().Hit_Level(1)(5).back(), Colour::rgb(0xC0FFFF));
  EXPECT_EQ(LitLevels(q.main(), 0), 0);
  q.spin(0, 120);  // round count 4.2: every level of a number never hit is lit
  EXPECT_EQ(LitLevels(q.main(), 5), 10);
  EXPECT_EQ(q.main().Hit_Level(10)(5).back(), Colour::rgb(0x008080));
  EXPECT_EQ(q.main().Rate(0).text(), "3800%");
}

TEST(SpinEntry, StripKeepsTheNewest25) {
  TestProgram p;
  for (int n = 0; n < 30; ++n) p.spin(n);
  EXPECT_EQ(Shown(p, "Main_F", "Log(0).caption Log(24).caption Log(24).back"), "30|6|#000000");
  EXPECT_EQ(p.app().vars.LogText(24), "6");
}

TEST(SpinEntry, NoticeAt501stSpin) {
  TestProgram p;
  const std::string notice500 =
      "msgbox info ok \"00 Varnet\" \"500回を超えるとArea予想のデータにバラつきがでます。\\n\\r"
      "Area予想をご利用の場合はデータのリセットをお勧めします。\"\n";
  std::string all;
  for (int n = 0; n < 500; ++n) all += p.spin(n % 38);
  EXPECT_EQ(all.find("msgbox"), std::string::npos);
  EXPECT_EQ(p.spin(3), notice500 + "sound Data/Sound/Count.wav\n");
  EXPECT_EQ(p.main().Total.text(), "501");
}

TEST(SpinEntry, SettingsAreReadAgainBeforeEverySpinButNotBeforeARefusal) {
  TestProgram p;
  p.app().vars.AreaEditing = 1;
  p.writeFile("Data/Files/USER.FIL", "38,0,0\r\n");  // silences the spin once it is read
  EXPECT_EQ(p.spin(6), "msgbox info ok \"00 Varnet\" \"エリアセットを完了してください。\"\n");
  EXPECT_EQ(p.run("get Main_F.Total.text\nvar SoundOn"), "Main_F.Total.text=0\nSoundOn=1\n");
  p.app().vars.AreaEditing = 0;
  EXPECT_EQ(p.spin(6), "");
  EXPECT_EQ(p.app().vars.SoundOn, 0);
}
