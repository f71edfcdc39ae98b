#include "store/slot_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <functional>
#include <random>

#include "../support/test_program.h"
#include "store/data_file.h"
#include "windows/app.h"

namespace {

// The program's disk without the waits for the disk: these tests check what the files
// hold, over many thousands of writes.
class UnsyncedDisk : public Disk {
 public:
  bool writeNew(const std::filesystem::path& file, std::string_view bytes, bool) override {
    return Disk::writeNew(file, bytes, false);
  }
  bool syncFolder(const std::filesystem::path&) override { return true; }
};

// Every game file and snapshot the program holds right now reads back.
void expectFilesRead(TestProgram& p) {
  const App& app = p.app();
  for (int n = 1; n <= 5; ++n) {
    if (!p.exists(SlotFileName(n))) continue;
    EXPECT_TRUE(ReadSlotFile(app, SlotFileName(n)).result.done()) << "slot " << n;
    EXPECT_TRUE(ReadSnapshotFile(app, SlotSnapshotFile(n)).result.done()) << "slot " << n;
  }
  if (p.exists("Data/Files/RESUME.FIL")) {
    EXPECT_TRUE(ReadSlotFile(app, "Data/Files/RESUME.FIL").result.done());
  }
  if (p.exists(RealSaveFile.name())) {
    EXPECT_TRUE(ReadSnapshotFile(app, RealSaveFile).result.done());
  }
}

// Long random games (spins on every number, take-backs, the zero switched, clears, saves
// and loads, one game beyond the log's 5000 entries) only ever write files whose figures
// are numbers that agree with each other.
TEST(SlotFiles, EveryGameTheProgramWritesReadsBack) {
  for (unsigned seed : {1u, 2u, 3u}) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    const auto draw = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    TestProgram p;
    p.app().disk = std::make_unique<UnsyncedDisk>();
    const int steps = seed == 1 ? 5200 : 1500;
    int last = 0;
    for (int step = 0; step < steps; ++step) {
      const int action = draw(100);
      std::string line;
      if (action < 80 || seed == 1) {
        last = draw(38);
        line = "answer yes\nclick Main_F.Count_P(" + std::to_string(last) + ")";
        if (seed == 1 && step % 97 == 0)
          line += "\nclick Main_F.Count_M(" + std::to_string(last) + ")";
      } else if (action < 88) {
        line = "click Main_F.Count_M(" + std::to_string(last) + ")";
      } else if (action < 91) {
        line = "click Main_F.Zero_Check";
      } else if (action < 92) {
        line = "answer yes\nclick Main_F.Clear";
      } else if (action < 96) {
        const std::string n = std::to_string(1 + draw(5));
        line = "click Main_F.Save_Load\nanswer yes\nclick Save_Load_F.Save(" + n +
               ")\nclick Save_Load_F.Command1";
      } else {
        const std::string n = std::to_string(1 + draw(5));
        line = "click Main_F.Save_Load\nanswer yes\nclick Save_Load_F.Load(" + n +
               ")\nclick Save_Load_F.Command1";
      }
      const std::string out = p.run(line);
      ASSERT_EQ(out.find("msgbox stop"), std::string::npos) << line << "\n" << out;
      if (step % 100 == 0 || action >= 92) expectFilesRead(p);
    }
    if (seed == 1) {
      EXPECT_GT(p.app().vars.SpinLog(5000), 0);
    }
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
