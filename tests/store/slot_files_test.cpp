#include "store/slot_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <functional>
#include <random>

#include "../support/test_program.h"
#include "store/data_file.h"
#include "store/recovery_file.h"
#include "windows/app.h"

namespace {

// Every game file and snapshot the program holds right now reads back.
void expectFilesRead(TestProgram& p) {
  const std::string recovery = "Data/Files/RESUME.FIL";
  EXPECT_TRUE(!p.exists(recovery) || ParseRecoveryFile(p.readFile(recovery))) << recovery;
  for (int n = 0; n <= 5; ++n) {
    const SnapshotFile snapshot = n == 0 ? RealSaveFile : SlotSnapshotFile(n);
    if (n > 0) {
      const std::string game = SlotFileName(n);
      EXPECT_TRUE(!p.exists(game) || ReadSlotFile(p.app(), game).result.done()) << game;
    }
    EXPECT_TRUE(!p.exists(snapshot.name()) || ReadSnapshotFile(p.app(), snapshot).result.done())
        << snapshot.name();
  }
}

// Long random games (spins on every number, take-backs, the zero switched, clears, saves
// and loads, and one game beyond the log's 5000 entries) only ever write files whose
// figures are numbers that agree with each other.
TEST(SlotFiles, EveryGameTheProgramWritesReadsBack) {
  const std::string actions[] = {
      "click Main_F.Count_M(#)", "click Main_F.Zero_Check", "answer yes\nclick Main_F.Clear",
      "click Main_F.Save_Load\nanswer yes\nclick Save_Load_F.Save(#)\nclick Save_Load_F.Command1",
      "click Main_F.Save_Load\nanswer yes\nclick Save_Load_F.Load(#)\nclick Save_Load_F.Command1"};
  for (unsigned seed : {1u, 2u, 3u}) {
    std::mt19937 random(seed);
    TestProgram p;
    int last = 0;
    for (int step = 0; step < (seed == 1 ? 5200 : 1500); ++step) {
      const unsigned action = random() % 100;
      std::string line;
      // The first game only spins, with a take-back now and then, past the log's end.
      if (seed == 1 ? step % 97 != 0 : action < 80) {
        last = static_cast<int>(random() % 38);
        line = "answer yes\nclick Main_F.Count_P(" + std::to_string(last) + ")";
      } else {
        line = actions[seed == 1 ? 0 : (action - 80) / 4];
        if (const auto at = line.find('#'); at != std::string::npos)
          line.replace(at, 1,
                       std::to_string(line.starts_with("click Main_F.Count_M")
                                          ? last
                                          : 1 + static_cast<int>(random() % 5)));
      }
      ASSERT_EQ(p.run(line).find("msgbox stop"), std::string::npos) << seed << ": " << line;
      if (step % 100 == 0 || action >= 92) expectFilesRead(p);
    }
    EXPECT_TRUE(seed != 1 || p.app().vars.SpinLog(5000) > 0);
    p.run("click Main_F.Save_Load\nanswer yes\nclick Save_Load_F.Save(5)");
    expectFilesRead(p);
  }
}

// A slot the program saved after a few spins: its game, and its bytes.
std::pair<SlotFile, std::string> savedSlot(TestProgram& p) {
  for (int i : {3, 0, 17, 3, 36}) p.spin(i);
  p.run("click Main_F.Save_Load\nanswer yes\nclick Save_Load_F.Save(1)");
  const std::string bytes = p.readFile(SlotFileName(1));
  return {ParseSlotFile(bytes).value(), bytes};
}

// A figure is digits within its range, and the figures of a game agree: anything else in
// a game file is damage, however harmless it would read.
TEST(SlotFiles, FiguresThatAreNoNumbersOrDisagreeAreRefused) {
  TestProgram p;
  const auto [game, bytes] = savedSlot(p);
  const std::function<void(SlotFile&)> damages[] = {
      [](SlotFile& f) { f.total = "abc"; },
      [](SlotFile& f) { f.total = "NaN"; },
      [](SlotFile& f) { f.hitCount(3) = "inf"; },
      [](SlotFile& f) { f.hitCount(3) = "2e0"; },
      [](SlotFile& f) { f.hitCount(3) = " 2"; },
      [](SlotFile& f) { f.red = "-1"; },
      [](SlotFile& f) { f.round = "0.1."; },
      // Figures that contradict each other.
      [](SlotFile& f) { f.total = "0"; },
      [](SlotFile& f) { f.total = "6"; },
      [](SlotFile& f) { f.hitCount(0) = "0"; },
      [](SlotFile& f) { f.red = "5"; },
      [](SlotFile& f) { f.spinLog(5) = 0; },
      [](SlotFile& f) { f.spinLog(6) = 1; },
      [](SlotFile& f) { f.spinLog(5000) = 1; },
  };
  for (std::size_t k = 0; k < std::size(damages); ++k) {
    SlotFile damaged = game;
    damages[k](damaged);
    EXPECT_FALSE(ParseSlotFile(SlotFileBytes(damaged))) << "damage " << k;
  }
  // A NUL in a count, and a text in a figure of the snapshot, as they stand in the bytes.
  std::string nul = bytes;
  nul.insert(nul.find("\"5\"") + 2, 2, '\0');
  EXPECT_FALSE(ParseSlotFile(nul));
  std::string snapshot = p.readFile(SlotSnapshotFile(1).name());
  const auto figure = snapshot.find("\"0\"");
  ASSERT_NE(figure, std::string::npos);
  snapshot.replace(figure, 3, "\"NaN\"");
  EXPECT_FALSE(ParseSnapshotFile(snapshot, true));

  // The program tells the user and keeps the game it has.
  p.writeFile(SlotFileName(2), SlotFileBytes([&] {
                SlotFile f = game;
                f.total = "abc";
                return f;
              }()));
  p.writeFile(SlotSnapshotFile(2).name(), p.readFile(SlotSnapshotFile(1).name()));
  EXPECT_NE(p.run("answer yes\nclick Save_Load_F.Load(2)").find("msgbox stop"), std::string::npos);
  EXPECT_EQ(p.main().Total.text(), "5");
}

// A data file far beyond any game is refused without being read, and the slot list reads
// only the line it shows; neither may cost the memory of the file.
TEST(SlotFiles, AHugeFileIsRefusedUnreadAndItsListingReadsOneLine) {
  TestProgram p;
  const std::string bytes = savedSlot(p).second;
  for (const std::string& name : {SlotFileName(2), std::string("Data/Files/RESUME.FIL")}) {
    p.writeFile(name, bytes);
    ASSERT_EQ(::truncate((p.folder() / name).c_str(), off_t{8} << 30), 0);
  }
  const auto listing = SlotListing(p.app(), 2);
  ASSERT_TRUE(listing.result.done());
  EXPECT_EQ(listing.value, SlotListing(p.app(), 1).value);
  EXPECT_EQ(ReadSlotFile(p.app(), SlotFileName(2)).result.outcome, FileResult::Malformed);

  // The limit, byte for byte, and a first line beyond what a listing reads.
  p.writeFile(SlotFileName(3), bytes + std::string(DataFileLimit - bytes.size(), '\n'));
  EXPECT_TRUE(ReadSlotFile(p.app(), SlotFileName(3)).result.done());
  p.writeFile(SlotFileName(3), bytes + std::string(DataFileLimit + 1 - bytes.size(), '\n'));
  EXPECT_EQ(ReadSlotFile(p.app(), SlotFileName(3)).result.outcome, FileResult::Malformed);
  p.writeFile(SlotFileName(4), "\"" + std::string(DataLineLimit, 'x') + "\",\"\"\r\n");
  EXPECT_EQ(SlotListing(p.app(), 4).result.outcome, FileResult::Malformed);

  // The start offers no such game: it reports it and starts empty.
  p.restart("answer yes");
  EXPECT_NE(p.startOutput().find("msgbox stop"), std::string::npos);
  EXPECT_EQ(p.main().Total.text(), "0");
}

}  // namespace
