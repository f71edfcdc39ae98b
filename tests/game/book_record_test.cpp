#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "../support/test_program.h"
#include "game/book_record.h"
#include "stats/wheel_tally.h"

namespace {

std::string query(TestProgram& p, const std::string& sql) {
  return SqlRows(p.folder() / "Data/Files/wheelbook.sqlite3", sql);
}

// Each spin as "session:number:source", in order.
std::string spins(TestProgram& p) {
  return query(p, "SELECT session_id || ':' || number || ':' || source FROM spins ORDER BY id");
}

}  // namespace

TEST(BookRecord, SpinsUndosAndTheRulesOfASession) {
  TestProgram p;
  p.run("now 2026/12/08 20:00:00\nclick Main_F.Count_P(6)\nclick Main_F.Count_P(36)");
  // The undo takes the last spin out; a second undo has nothing to take.
  p.run("click Main_F.Count_M(36)\nclick Main_F.Count_M(6)");
  EXPECT_EQ(spins(p), "1:7:entry");
  // Two hours without a spin start a session; less does not.
  p.run(
      "now 2026/12/08 21:59:59\nclick Main_F.Count_P(0)\nnow 2026/12/09 00:00:00\n"
      "click Main_F.Count_P(1)");
  EXPECT_EQ(spins(p), "1:7:entry 1:1:entry 2:2:entry");
  EXPECT_EQ(query(p, "SELECT recorded_at FROM spins ORDER BY id DESC LIMIT 1"),
            "2026-12-09T00:00:00Z");

  // A clear, a slot load and a change of wheel each start one; the loaded game's spins are
  // not recorded again.
  p.run("answer yes\nclick Main_F.Clear\nclick Main_F.Count_P(2)");
  p.run(
      "click Main_F.Save_Load\nanswer yes\nclick Save_Load_F.Save(1)\nanswer yes\n"
      "click Save_Load_F.Load(1)\nclick Save_Load_F.Command1\nclick Main_F.Count_P(3)");
  p.run(
      "click Main_F.Book\ntype Book_F.Wheel_Name Casino B\nclick Book_F.New_Wheel\n"
      "click Book_F.Use_Wheel\nclick Main_F.Count_P(4)");
  EXPECT_EQ(p.main().caption(), "00 Varnet Solenn — Casino B");
  EXPECT_EQ(query(p, "SELECT wheel_id || ':' || spin_count FROM sessions ORDER BY id"),
            "1:2 1:1 1:1 1:1 2:1");

  // A new start with the game brought back: nothing recorded again, a session for the next.
  p.restart("answer yes");
  EXPECT_EQ(p.main().caption(), "00 Varnet Solenn — Casino B");
  p.run("click Main_F.Count_P(5)");
  EXPECT_EQ(query(p, "SELECT count(*) FROM spins"), "7");
  EXPECT_EQ(query(p, "SELECT wheel_id || ':' || spin_count FROM sessions ORDER BY id DESC LIMIT 1"),
            "2:1");

  // The statistics of the wheel: every spin of it, from the book and from memory alike.
  const WheelTally kept = WheelBookTally(p.app());
  ForgetWheelSpins(p.app());
  const WheelTally read = WheelBookTally(p.app());
  EXPECT_EQ(read.spins(), 2);
  EXPECT_EQ(kept.counts, read.counts);
  EXPECT_EQ(read.counts[4] + read.counts[5], 2);
}

TEST(BookRecord, AnImportIsRecordedAsOne) {
  TestProgram p;
  const auto file = p.folder() / "spins.txt";
  std::ofstream(file) << "17, 0, 00\n";
  p.run("file " + file.string() + "\nclick Main_F.Import_Spins");
  EXPECT_EQ(spins(p), "1:17:import 1:0:import 1:00:import");
  p.run("key Ctrl+Z");
  EXPECT_EQ(spins(p), "1:17:import 1:0:import");
}

TEST(BookRecord, ABookThatCannotBeWrittenIsToldOnceAndTheGameGoesOn) {
  if (geteuid() == 0) GTEST_SKIP() << "the superuser writes to any file";
  TestProgram p;
  p.run("click Main_F.Count_P(1)");
  p.restart();
  chmod((p.folder() / "Data/Files/wheelbook.sqlite3").c_str(), 0444);
  chmod((p.folder() / "Data/Files/wheelbook.sqlite3-wal").c_str(), 0444);
  p.restart();
  const std::string out = p.run("click Main_F.Count_P(2)\nclick Main_F.Count_P(3)");
  const std::string all = p.startOutput() + out;
  const auto told = all.find("ホイール帳に記録できませんでした");
  ASSERT_NE(told, std::string::npos);
  EXPECT_EQ(all.find("ホイール帳に記録できませんでした", told + 1), std::string::npos);
  EXPECT_EQ(p.run("get Main_F.Total.text"), "Main_F.Total.text=2\n");
}

TEST(BookRecord, ADamagedBookIsSetAsideAndTold) {
  TestProgram p({{"Data/Files/wheelbook.sqlite3", std::string(8192, 'x')}});
  EXPECT_NE(p.startOutput().find("wheelbook.sqlite3.damaged1"), std::string::npos);
  EXPECT_EQ(p.readFile("Data/Files/wheelbook.sqlite3.damaged1"), std::string(8192, 'x'));
  p.run("click Main_F.Count_P(1)");
  EXPECT_EQ(spins(p), "1:2:entry");
}
