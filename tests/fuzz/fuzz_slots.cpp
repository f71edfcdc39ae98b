#include "fuzz_slots.h"

#include "core/number_index.h"
#include "fuzz_program.h"
#include "store/slot_files.h"
#include "store/snapshot_files.h"

void WriteFortySpinSlot(const TestProgram& p, int n) {
  SlotFile f;
  f.date = "2026/01/01 09:00:00";
  f.total = "40";
  f.round = "1.1";
  for (int i = 0; i <= 37; ++i) {
    f.hitCount(i) = i < 2 ? "2" : "1";
    f.rate(i) = i < 2 ? "190%" : "95%";
  }
  int red = 0, black = 0;
  for (int k = 1; k <= 40; ++k) {
    const int index = (k - 1) % 38;
    f.spinLog(k) = index + 1;
    red += ColourClassOf(index) == RedClass;
    black += ColourClassOf(index) == BlackClass;
    if (k > 15) {
      f.logText(40 - k) = NumberText(index);
      f.logColour(40 - k) = ColourClassOf(index);
    }
  }
  f.red = std::to_string(red);
  f.black = std::to_string(black);
  f.expectHit = f.expectOut = f.winRate = "0";
  p.writeFile(SlotFileName(n), SlotFileBytes(f));

  SnapshotBuffers b;
  for (auto* column : {&b.PointSnapHitCount, &b.PointSnapZenkai, &b.PointSnapOne, &b.PointSnapTotal,
                       &b.PointSnapExpect})
    column->fill("0");
  b.OrSnap.fill("0");
  b.PointSnapTally.fill("0");
  for (auto* column : {&b.AreaSnapHit, &b.AreaSnapRate, &b.AreaSnapExpect}) column->fill("0");
  for (auto* column : {&b.AreaSnapExpectHit, &b.AreaSnapExpectOut, &b.AreaSnapWinRate})
    column->fill("0");
  AreaTables areas;
  for (int i = 0; i <= 2; ++i) areas(n)(i) = 1;
  p.writeFile(SlotSnapshotFile(n).name(), SnapshotFileBytes(0, b, &areas));
}

std::string PlayOn() {
  std::string randoms = "random";
  // A fixed walk over [0, 1), enough for every draw below.
  unsigned x = 12345;
  for (int i = 0; i < 400; ++i) {
    x = x * 1103515245u + 12345u;
    randoms += " 0." + std::to_string(1000 + (x >> 16) % 9000);
  }
  return randoms +
         "\n"
         "click Main_F.Expect\n"
         "tick 400\n"
         "click Main_F.Count_P(7)\n"
         "click Main_F.Quick_Expect\n"
         "click Main_F.Expect\n"
         "click Main_F.Count_P(36)\n"
         "click Main_F.Count_M(36)\n"
         "click Main_F.Count_P(0)\n"
         "click Main_F.Log_B\n"
         "click Main_F.Save_Load\n"
         "answer yes\n"
         "click Save_Load_F.Save(2)\n"
         "answer yes\n"
         "click Save_Load_F.Load(2)\n"
         "click Save_Load_F.Command1\n"
         "click Main_F.Expect\n"
         "click Main_F.Count_P(1)\n";
}

bool Slot2Failed(const std::string& printed) {
  return printed.find("Data/Files/Save2.FIL") != std::string::npos ||
         printed.find("Data/Files/USER3_2.FIL") != std::string::npos;
}
