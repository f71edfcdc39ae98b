#include "store/snapshot_files.h"

#include "area/area_edit.h"
#include "core/app.h"
#include "core/settings.h"

namespace {

using AreaTables = IndexedArray<AreaMembership, 1, 6>;

constexpr long Int16Min = -32768;
constexpr long Int16Max = 32767;

// The layout of REAL_SAVE.FIL (92 lines); a slot's USER3_n.FIL puts the 38 lines of area
// memberships, one number index a line, before it.
template <class Io>
void walkSnapshot(Io& io, int& expectDone, SnapshotBuffers& b, AreaTables* areas) {
  if (areas) {
    for (int i = 0; i <= 37; ++i) {
      for (int k = 1; k <= 6; ++k) io.integer((*areas)(k)(i), Int16Min, Int16Max);
      io.endLine();
    }
  }
  io.integer(expectDone, Int16Min, Int16Max);
  io.endLine();
  for (std::string& s : b.OrSnap) {
    io.text(s);
    io.endLine();
  }
  for (int e = 0; e <= 35; ++e) {
    for (auto* column : {&b.PointSnapHitCount, &b.PointSnapZenkai, &b.PointSnapOne,
                         &b.PointSnapTotal, &b.PointSnapExpect})
      io.text((*column)(e));
    io.endLine();
  }
  for (std::string& s : b.PointSnapTally) io.text(s);
  io.endLine();
  for (int k = 1; k <= 6; ++k) {
    for (auto* column : {&b.AreaSnapHit, &b.AreaSnapRate, &b.AreaSnapExpect}) {
      io.text((*column)(k));
      io.endLine();
    }
  }
  for (int k = 1; k <= 7; ++k) {
    for (auto* column : {&b.AreaSnapExpectHit, &b.AreaSnapExpectOut, &b.AreaSnapWinRate}) {
      io.text((*column)(k));
      io.endLine();
    }
  }
}

}  // namespace

std::string SlotSnapshotFileName(int n) {
  return "Data/Files/USER3_" + std::to_string(n) + ".FIL";
}

std::string SnapshotFileName(const App& app) {
  if (app.vars.SlotMode == 1) return SlotSnapshotFileName(app.vars.SlotNo);
  return "Data/Files/REAL_SAVE.FIL";
}

bool WriteSnapshotFile(App& app, std::vector<DataFile> alongside) {
  auto& v = app.vars;
  const bool slot = v.SlotMode == 1;
  LayoutWriter out;
  walkSnapshot(out, v.ExpectDone, app.snapshot.buffers, slot ? &v.AreaMember : nullptr);
  alongside.push_back({SnapshotFileName(app), std::move(out.bytes)});
  // Slots are meant to outlast a power cut; the undo snapshot is rewritten every spin.
  const bool ok = SaveDataFiles(app, alongside, slot);
  if (!slot) app.snapshot.realSaveStale = !ok;
  if (ok && slot) SaveWindowSettings(app);
  return ok;
}

bool ReadSnapshotFile(App& app) {
  auto& v = app.vars;
  const bool slot = v.SlotMode == 1;
  const std::string name = SnapshotFileName(app);
  int expectDone = 0;
  SnapshotBuffers buffers;
  AreaTables areas;
  const bool ok =
      (slot || !app.snapshot.realSaveStale) && ReadLayoutFile(app, name, [&](LayoutReader& in) {
        walkSnapshot(in, expectDone, buffers, slot ? &areas : nullptr);
      });
  if (!ok) {
    ShowReadFailure(app, name);
    return false;
  }
  if (slot) {
    ClearAreaSet(app);
    v.AreaMember = areas;
  }
  v.ExpectDone = expectDone;
  app.snapshot.buffers = std::move(buffers);
  // The button shows whether a prediction stands, whatever it showed before.
  Main_F(app).Expect.setBack(expectDone == 1 ? Colour::rgb(0x80FFFF) : ButtonFace);
  return true;
}
