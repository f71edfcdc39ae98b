#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "../support/test_program.h"
#include "core/number_index.h"
#include "log/log_page.h"
#include "log/log_window.h"

namespace {

constexpr Colour Light[] = {ButtonFace, Colour::rgb(0xFFC0C0), Colour::rgb(0xC0C0C0),
                            Colour::rgb(0xC0FFC0), Colour::rgb(0xC0C0FF)};
constexpr Colour Dark[] = {ButtonFace, Colour::rgb(0xC00000), Colour::rgb(0x000000),
                           Colour::rgb(0x008000), Colour::rgb(0x0000C0)};

// Logs one spin of every pocket, value v at entry v, and shows page 1.
void logEveryPocket(TestProgram& p) {
  for (int v = 1; v <= 38; ++v) p.app().vars.SpinLog(v) = v;
  ShowLogPage(p.app());
}

}  // namespace

TEST(LogPage, EachToggleDarkensItsOwnEntriesAndRedOrBlackTheirColour) {
  TestProgram p;
  logEveryPocket(p);
  std::vector<int> reds, blacks;
  for (int v = 1; v <= 36; ++v) (ColourClassOf(v - 1) == RedClass ? reds : blacks).push_back(v);
  std::vector<int> allButZero = reds;
  allButZero.insert(allButZero.end(), blacks.begin(), blacks.end());
  allButZero.push_back(38);
  // Toggles switched on, and the entry values then drawn dark.
  const std::vector<std::pair<std::vector<int>, std::vector<int>>> cases = {
      {{}, {}},
      {{39}, reds},
      {{40}, blacks},
      {{5, 39}, reds},
      {{5, 17, 37}, {5, 17, 37}},
      {{38, 39, 40}, allButZero},
  };
  auto& on = p.app().vars.SearchOn;
  for (const auto& [toggles, darkValues] : cases) {
    on.fill(0);
    for (int k : toggles) on(k) = 1;
    ShowLogPage(p.app());
    for (int v = 1; v <= 38; ++v) {
      const int colourClass = ColourClassOf(v - 1);
      const bool dark = std::find(darkValues.begin(), darkValues.end(), v) != darkValues.end();
      EXPECT_EQ(Log_F(p.app()).Log(v).back(), dark ? Dark[colourClass] : Light[colourClass])
          << "entry " << v << ", toggles from " << (toggles.empty() ? 0 : toggles[0]);
    }
  }
  EXPECT_EQ(Log_F(p.app()).Log(37).caption(), "0");
  EXPECT_EQ(Log_F(p.app()).Log(38).caption(), "00");
}

// A spin redraws only its own row; nothing else may leave the page out of step with the
// log, or the rows it skips would show stale entries.
TEST(LogPage, ASpinLeavesThePageAsAFullRedrawWould) {
  TestProgram p;
  p.run("click Main_F.Log_B");
  for (int n = 0; n < 260; ++n) {
    const int index = n * 11 % 38;
    p.spin(index);
    if (n % 7 == 3) p.run("click Main_F.Count_M(" + std::to_string(index) + ")");
    if (n % 40 == 20) p.run("click Log_F.Search(" + std::to_string(n % 40 + 19) + ")");
    if (n == 90 || n == 180) p.run("click Log_F.Page_Next_B");
    if (n == 200) p.run("click Log_F.Page_Back_B");
    const std::string drawn = p.run("dump Log_F");
    ShowLogPage(p.app());
    ASSERT_EQ(drawn, p.run("dump Log_F")) << "after spin " << n;
  }
}

TEST(LogPage, EmptyingClearsEntriesSearchesAndPage) {
  TestProgram p;
  logEveryPocket(p);
  p.run(
      "click Main_F.Log_B\nclick Log_F.Page_Next_B\nclick Log_F.Search(7)\nclick Log_F.Search(40)");
  EmptyLog(p.app());
  LogForm& f = Log_F(p.app());
  for (int k = 1; k <= 5000; ++k) ASSERT_EQ(p.app().vars.SpinLog(k), 0) << k;
  for (int k = 1; k <= 40; ++k) {
    EXPECT_EQ(p.app().vars.SearchOn(k), 0);
    EXPECT_EQ(f.Search(k).back(), Light[ColourClassOf(k - 1)]);
  }
  EXPECT_EQ(p.app().vars.LogPage, 1);
  EXPECT_EQ(Shown(p, "Log_F", "Page.caption Log_No(100).caption Log(7).back Log(7).caption"),
            "1|100|buttonface|");
}

TEST(LogPage, EmptyingBeforeTheWindowExistsCreatesItHidden) {
  TestProgram p;
  p.app().vars.SearchOn(3) = 1;
  p.app().vars.LogPage = 4;
  EmptyLog(p.app());
  EXPECT_EQ(p.run("form Log_F\nget Log_F.Search(3).back\nget Log_F.Log_No(1).caption"),
            "Log_F loaded=1 visible=0 topmost=0\nLog_F.Search(3).back=#FFC0C0\n"
            "Log_F.Log_No(1).caption=1\n");
}

TEST(LogPage, TheFiveThousandthSpinEndsTheLog) {
  TestProgram p;
  p.run("click Main_F.Log_B");
  for (int n = 0; n < 49; ++n) p.run("click Log_F.Page_Next_B");
  for (int n = 0; n < 5000; ++n) p.spin(n % 38);
  LogForm& f = Log_F(p.app());
  EXPECT_EQ(f.Log_No(100).caption(), "5000");
  EXPECT_EQ(f.Log(100).caption(), NumberText(4999 % 38));
  const auto before = f.version();
  EXPECT_EQ(p.spin(20),
            "msgbox info ok \"00 Varnet\" \"ログ画面の記録は5000回までです。\\n\\r"
            "これ以降のログは記録されません。\"\nsound Data/Sound/Count.wav\n");
  EXPECT_EQ(p.spin(21), "sound Data/Sound/Count.wav\n");
  EXPECT_EQ(f.version(), before);  // not logged, not redrawn
  EXPECT_EQ(Shown(p, "Main_F", "Total.text Hit_Count(20).text"), "5002|133");
  EXPECT_EQ(p.app().vars.SpinLog(5000), 4999 % 38 + 1);
}

// A toggle pressed twice, and Clear, leave the page as a full redraw would; Clear sounds
// even with nothing searched.
TEST(LogWindow, ClearSoundsAndRedrawsEvenWithNothingSearched) {
  TestProgram p;
  for (int i : {16, 16, 3, 36}) p.spin(i);
  p.run("click Main_F.Log_B");
  const std::string page = p.run("dump Log_F");
  EXPECT_EQ(p.run("click Log_F.Clear_B"), "sound Data/Sound/BGM1.wav\n");
  p.run("click Log_F.Search(17)\nclick Log_F.Search(39)\nclick Log_F.Search(17)");
  EXPECT_EQ(p.run("click Log_F.Search(39)\ndump Log_F"), "sound Data/Sound/BGM1.wav\n" + page);
  p.run("click Log_F.Search(39)\nclick Log_F.Search(1)\nclick Log_F.Search(38)");
  EXPECT_EQ(p.run("click Log_F.Clear_B\ndump Log_F"), "sound Data/Sound/BGM1.wav\n" + page);
  for (int k = 1; k <= 40; ++k) EXPECT_EQ(p.app().vars.SearchOn(k), 0) << k;
}
