#include <gtest/gtest.h>

#include "../support/test_program.h"
#include "windows/dispatch.h"

namespace {

const std::string Game = "Data/Files/RESUME.FIL";
const std::string OldSnapshot = "Data/Files/RESUME3.FIL";

// What a player sees of a game: every property of the five windows, with the verdicts,
// lamps, the hold count and the Expect button, and the game's variables. Left out are the
// level lights, painted from the figures with the spin's steps (also after a take-back).
std::string gameState(TestProgram& p) {
  return GameDump(
      p, [](const std::string& line) { return line.find("Hit_Level_") == std::string::npos; },
      {"ExpectDone", "LastColour", "LastArea", "LastIndex", "LogPage", "PocketCount", "Unsaved",
       "ExpectColour", "PointExpectVoid"});
}

// A round and a half with a prediction standing and one spin taken back: every window
// has figures and the Total window tallies.
void playARound(TestProgram& p) {
  for (int n = 0; n < 45; ++n) p.spin((n * 7 + n / 5) % 38);
  p.run("click Main_F.Expect");
  p.spin(17);
  p.run("click Main_F.Expect");
  p.spin(22);
  p.run("click Main_F.Count_M(22)\nclick Main_F.Expect");
}

std::string offer(int spins) {
  return "msgbox question yesno \"00 Varnet\" \"前回のゲーム (" + std::to_string(spins) +
         " 回) が残っています。\\n\\r復元しますか?\"\n";
}

bool pairKept(const TestProgram& p) {
  return p.exists(Game);
}

bool pairGone(const TestProgram& p) {
  return !p.exists(Game) && !p.exists(Game + ".synced") && !p.exists(OldSnapshot);
}

}  // namespace

TEST(Recovery, ARestoredGameGoesOnExactlyAsTheUninterruptedOne) {
  // The same game twice, one of them killed and restored at every moment below: Yes to
  // the offer brings it all back, and what follows prints the same, undo and predictions
  // included.
  const std::string draws = "random 0.31 0.77 0.05 0.62 0.48 0.93 0.12 0.55 0.27 0.81\n";
  const std::string goOn =
      draws +
      "click Main_F.Count_M(22)\nclick Main_F.Expect\nclick "
      "Main_F.Count_P(9)\ntick 8\nclick Main_F.Expect\nclick Main_F.Count_P(3)\n"
      "dump Point_F\ndump Black_or_Red_F\ndump Area_F\ndump Total_F\n"
      "dump Main_F\nvar Unsaved\nanswer yes\nclick Main_F.Exit";
  for (const char* moment :
       {"", "click Main_F.Expect", "click Main_F.Point_C\nclick Point_F.UP_1"}) {
    SCOPED_TRACE(moment);
    TestProgram straight, killed;
    for (TestProgram* p : {&straight, &killed}) {
      p->run(draws);
      playARound(*p);
      p->run(moment);
      p->spin(22);
    }
    killed.restart("answer yes");
    EXPECT_TRUE(killed.startOutput().ends_with(offer(47) + "answer yes\n")) << killed.startOutput();
    EXPECT_EQ(LineChanges(gameState(straight), gameState(killed)), "");
    EXPECT_EQ(LineChanges(straight.run(goOn), killed.run(goOn)), "");
  }
}

TEST(Recovery, APairOfAnEarlierVersionStillRestores) {
  TestProgram p;
  p.spin(8, 3);
  p.run(
      "click Main_F.Save_Load\nanswer yes\nclick Save_Load_F.Save(1)\nclick Save_Load_F.Command1");
  p.writeFile(Game, p.readFile("Data/Files/Save1.FIL"));
  p.writeFile(OldSnapshot, p.readFile("Data/Files/USER3_1.FIL"));
  p.restart("answer yes");
  EXPECT_EQ(p.startOutput(), offer(3) + "answer yes\n");
  EXPECT_EQ(p.run("get Main_F.Hit_Count(8).text"), "Main_F.Hit_Count(8).text=3\n");
  // The file now has this version's layout, alone.
  EXPECT_FALSE(p.exists(OldSnapshot));
  p.restart("answer yes");
  EXPECT_EQ(p.run("get Main_F.Total.text"), "Main_F.Total.text=3\n");
}

TEST(Recovery, NoStartsEmptyAndRemovesThePair) {
  TestProgram p;
  p.spin(6, 3);
  const std::string fresh = [] {
    TestProgram empty;
    return gameState(empty);
  }();
  p.restart("answer no");
  EXPECT_EQ(p.startOutput(), offer(3) + "answer no\n");
  EXPECT_TRUE(pairGone(p));
  EXPECT_EQ(gameState(p), fresh);
  p.restart();
  EXPECT_EQ(p.startOutput(), "");
}

TEST(Recovery, EveryGameChangeIsKeptAndNothingElseWrites) {
  TestProgram p;
  EXPECT_TRUE(pairGone(p));
  p.spin(6);
  ASSERT_TRUE(pairKept(p));
  const std::string oneSpin = p.readFile(Game);
  // Looking writes nothing.
  p.run("get Main_F.Total.text\ndump Total_F\nform Point_F\nvar Unsaved");
  EXPECT_EQ(p.readFile(Game), oneSpin);
  p.spin(9);
  const std::string twoSpins = p.readFile(Game);
  EXPECT_NE(twoSpins, oneSpin);
  p.run("click Main_F.Count_M(9)");
  EXPECT_NE(p.readFile(Game), twoSpins);
  p.restart("answer yes");
  EXPECT_EQ(p.run("get Main_F.Total.text"), "Main_F.Total.text=1\n");
  // A slot load puts the slot's game in the pair.
  p.run("click Main_F.Save_Load\nanswer yes\nclick Save_Load_F.Save(2)");
  p.spin(30, 2);
  p.run("answer yes\nclick Save_Load_F.Load(2)");
  p.restart("answer yes");
  EXPECT_EQ(p.run("get Main_F.Total.text"), "Main_F.Total.text=1\n");
  // Clear leaves no game to keep.
  p.run("answer yes\nclick Main_F.Clear");
  EXPECT_TRUE(pairGone(p));
  p.restart();
  EXPECT_EQ(p.startOutput(), "");
}

TEST(Recovery, ACleanEndRemovesThePairASystemCloseKeepsUnsavedSpins) {
  {  // Refusing to leave keeps the game and its pair; Exit answered Yes removes it.
    TestProgram p;
    p.spin(4, 2);
    p.run("answer no\nclose Main_F");
    EXPECT_TRUE(pairKept(p));
    p.run("answer yes\nclick Main_F.Exit");
    EXPECT_TRUE(p.app().ended);
    EXPECT_TRUE(pairGone(p));
  }
  {  // The close box once the spins are in a slot: nothing is unsaved.
    TestProgram p;
    p.spin(4, 2);
    p.run("click Main_F.Save_Load\nanswer yes\nclick Save_Load_F.Save(3)");
    EXPECT_EQ(p.run("close Main_F"), "end\n");
    EXPECT_TRUE(pairGone(p));
  }
  {  // A shutdown closes the program without asking and keeps what is unsaved.
    TestProgram p;
    p.spin(4, 2);
    UserEvent shutdown{EventKind::Close, FormId::Main_F, nullptr, {}};
    shutdown.closeMode = CloseMode::System;
    Dispatch(p.app(), shutdown);
    EXPECT_TRUE(p.app().ended);
    EXPECT_TRUE(pairKept(p));
    p.restart("answer yes");
    EXPECT_EQ(p.startOutput(), offer(2) + "answer yes\n");
    EXPECT_EQ(p.run("get Main_F.Total.text"), "Main_F.Total.text=2\n");
  }
}

TEST(Recovery, ADamagedFileIsReportedKeptAsideAndTheProgramStartsEmpty) {
  TestProgram p;
  p.spin(8, 3);
  const std::string game = p.readFile(Game);
  const auto damagedBox = [](const std::string& kept) {
    return "msgbox stop ok \"00 Varnet\" \"前回のゲームは復元できませんでした。\\n\\r" + Game +
           " を読み込めませんでした。\\n\\r" + kept + "\"\n";
  };
  // Cut short, then a figure that no game has: each is kept under the next free name.
  for (const std::string& damaged : {game.substr(0, game.size() / 2), "x" + game.substr(1)}) {
    p.writeFile(Game, damaged);
    p.restart();
    const std::string kept = Game + (damaged.size() < game.size() ? ".damaged" : ".damaged2");
    EXPECT_EQ(p.startOutput(), damagedBox(kept + " として残しました。"));
    EXPECT_EQ(p.run("get Main_F.Total.text"), "Main_F.Total.text=0\n");
    EXPECT_TRUE(pairGone(p));
    EXPECT_EQ(p.readFile(kept), damaged);
  }
  {  // The names to keep it under run out: the search ends and the file stays.
    for (int n = 3; n <= 100; ++n) p.writeFile(Game + ".damaged" + std::to_string(n), "");
    p.writeFile(Game, "damaged");
    p.restart();
    EXPECT_EQ(p.startOutput(), damagedBox("ファイルはそのまま残っています。"));
    EXPECT_EQ(p.readFile(Game), "damaged");
  }
  {  // The synced copy stands in for a newest file a power cut damaged.
    TestProgram q;
    q.spin(8, 3);
    q.writeFile(Game + ".synced", q.readFile(Game));
    q.spin(8);
    q.writeFile(Game, std::string(q.readFile(Game).size(), '\0'));
    q.restart("answer yes");
    EXPECT_EQ(q.startOutput(), offer(3) + "answer yes\n");
    EXPECT_EQ(q.run("get Main_F.Total.text"), "Main_F.Total.text=3\n");
  }
}
