#include <gtest/gtest.h>

#include "../support/test_program.h"

namespace {

// Every control of the log window with its caption and colours.
std::string page(TestProgram& p) {
  return p.run("dump Log_F");
}

}  // namespace

TEST(LogWindow, ATogglePressedTwiceLeavesThePageAsItWas) {
  TestProgram p;
  for (int i : {16, 16, 3, 36}) p.spin(i);
  p.run("click Main_F.Log_B");
  const std::string before = page(p);
  EXPECT_EQ(
      p.run("click Log_F.Search(17)\nget Log_F.Search(17).back\nget Log_F.Log(1).back"),
      "sound Data/Sound/BGM1.wav\nLog_F.Search(17).back=#000000\nLog_F.Log(1).back=#000000\n");
  EXPECT_EQ(p.run("click Log_F.Search(17)"), "sound Data/Sound/BGM1.wav\n");
  EXPECT_EQ(page(p), before);
}

TEST(LogWindow, ClearSoundsAndRedrawsEvenWithNothingSearched) {
  TestProgram p;
  p.spin(0);
  p.run("click Main_F.Log_B");
  EXPECT_EQ(p.run("click Log_F.Clear_B"), "sound Data/Sound/BGM1.wav\n");
  p.run("click Log_F.Search(39)\nclick Log_F.Search(1)\nclick Log_F.Search(38)");
  EXPECT_EQ(
      p.run("click Log_F.Clear_B\nget Log_F.Log(1).back\nget Log_F.Search(38).back"),
      "sound Data/Sound/BGM1.wav\nLog_F.Log(1).back=#FFC0C0\nLog_F.Search(38).back=#C0C0FF\n");
  for (int k = 1; k <= 40; ++k) EXPECT_EQ(p.app().vars.SearchOn(k), 0) << k;
}

TEST(LogWindow, OpensBesideTheMainWindowAndFollowsNewSpins) {
  TestProgram p;
  EXPECT_EQ(p.run("click Main_F.Log_B\nform Log_F"),
            "sound Data/Sound/BGM1.wav\nLog_F loaded=1 visible=1 topmost=0\n");
  p.spin(37);
  EXPECT_EQ(p.run("get Log_F.Log(1).caption\nget Log_F.Log(1).back"),
            "Log_F.Log(1).caption=00\nLog_F.Log(1).back=#C0C0FF\n");
  p.run("close Log_F");
  p.app().vars.AreaEditing = 1;
  EXPECT_EQ(p.run("click Main_F.Log_B\nform Log_F"),
            "msgbox info ok \"00 Varnet\" \"エリアセットを完了してください。\"\n"
            "Log_F loaded=0 visible=0 topmost=0\n");
}
