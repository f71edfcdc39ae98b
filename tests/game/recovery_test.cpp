#include <gtest/gtest.h>

#include <sstream>

#include "../support/test_program.h"
#include "windows/dispatch.h"

namespace {

const std::string Game = "Data/Files/RESUME.FIL";
const std::string SnapshotName = "Data/Files/RESUME3.FIL";

// A verdict shown on a status window after a spin, which a restore clears as a slot load
// does; the Total window's status follows its tallies and comes back.
bool verdict(const std::string& line) {
  if (line.rfind("Total_F.", 0) == 0) return false;
  for (const char* control : {".Status_L", ".B_OR_R_L", ".Image1"})
    if (line.find(control) != std::string::npos) return true;
  return false;
}

// What a player sees of a game: every figure of the five windows, the strip and its
// colours, the lamps and the Expect button, and the game's variables. Left out is what a
// restore shows as a slot load does: the verdicts, the level lights (painted from the
// figures with the spin's steps, also after a take-back) and the point window's hold count.
bool seen(const std::string& line) {
  if (line.find("Hit_Level_") != std::string::npos || line.find("Ex_Limit") != std::string::npos ||
      verdict(line))
    return false;
  for (const char* property : {".text=", ".caption=", ".back=", ".picture="})
    if (line.find(property) != std::string::npos) return true;
  return false;
}

std::string gameState(TestProgram& p) {
  return GameDump(p, seen, {"ExpectDone", "LastColour", "LastArea", "LogPage", "PocketCount"});
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
  return p.exists(Game) && p.exists(SnapshotName);
}

bool pairGone(const TestProgram& p) {
  return !p.exists(Game) && !p.exists(SnapshotName);
}

}  // namespace

TEST(Recovery, AKilledGameIsOfferedAndYesBringsItAllBack) {
  TestProgram p;
  playARound(p);
  const std::string before = gameState(p);
  p.restart("answer yes");
  EXPECT_EQ(p.startOutput(), offer(46) + "answer yes\n");
  EXPECT_EQ(gameState(p), before);
  // Nothing says these spins are kept in a slot; there is nothing to take back.
  EXPECT_EQ(p.app().vars.Unsaved, 1);
  EXPECT_EQ(p.app().vars.LastIndex, 100);
  // The game goes on from there and is kept again.
  p.spin(5);
  const std::string after = gameState(p);
  p.restart("answer yes");
  EXPECT_EQ(gameState(p), after);
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
  {  // Exit with unsaved spins, answered Yes.
    TestProgram p;
    p.spin(4, 2);
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
  {  // Refusing to leave keeps the game and its pair.
    TestProgram p;
    p.spin(4, 2);
    p.run("answer no\nclose Main_F");
    EXPECT_TRUE(pairKept(p));
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

TEST(Recovery, ADamagedPairIsReportedSetAsideAndTheProgramStartsEmpty) {
  TestProgram p;
  p.spin(8, 3);
  const std::string game = p.readFile(Game);
  const std::string snapshot = p.readFile(SnapshotName);
  // A game file cut short, then a snapshot file cut short.
  p.writeFile(Game, game.substr(0, game.size() / 2));
  p.restart();
  EXPECT_EQ(
      p.startOutput(),
      "msgbox stop ok \"00 Varnet\" \"ファイルを読み込めませんでした。\\n\\r" + Game + "\"\n");
  EXPECT_EQ(p.run("get Main_F.Total.text"), "Main_F.Total.text=0\n");
  EXPECT_TRUE(pairGone(p));
  EXPECT_EQ(p.readFile(Game + ".damaged"), game.substr(0, game.size() / 2));
  EXPECT_EQ(p.readFile(SnapshotName + ".damaged"), snapshot);

  p.writeFile(Game, game);
  p.writeFile(SnapshotName, snapshot.substr(0, 100));
  p.restart();
  EXPECT_NE(p.startOutput().find("msgbox stop ok"), std::string::npos);
  EXPECT_EQ(p.startOutput().find("question"), std::string::npos);
  EXPECT_EQ(p.readFile(SnapshotName + ".damaged2"), snapshot.substr(0, 100));
  EXPECT_EQ(p.readFile(Game + ".damaged"), game.substr(0, game.size() / 2));
  EXPECT_TRUE(pairGone(p));
}

TEST(FolderLock, ASecondProgramOnTheFolderIsRefusedAndTouchesNothing) {
  TestProgram first;
  first.spin(3);
  const auto files = first.dataFiles();
  const std::string game = first.readFile(Game);
  {
    std::ostringstream out;
    ScriptRunner second(first.folder(), out);
    std::istringstream script("answer yes\nclick Main_F.Count_P(5)\n");
    EXPECT_EQ(second.run(script), 2);
    EXPECT_EQ(out.str(), "error: 00 Varnet は既に起動しています。\n");
  }
  EXPECT_EQ(first.dataFiles(), files);
  EXPECT_EQ(first.readFile(Game), game);
  // Once the first has gone the folder is free.
  first.restart("answer yes");
  EXPECT_EQ(first.startOutput(), offer(1) + "answer yes\n");
}
