#include "store/snapshot_files.h"

#include "store/settings.h"
#include "windows/app.h"

namespace {

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

std::string SnapshotFile::name() const {
  if (slot == RecoverySlot) return "Data/Files/RESUME3.FIL";
  if (isSlot()) return "Data/Files/USER3_" + std::to_string(slot) + ".FIL";
  return "Data/Files/REAL_SAVE.FIL";
}

std::string SnapshotFileBytes(SnapshotContent content, bool withAreas) {
  LayoutWriter out;
  walkSnapshot(out, content.expectDone, content.buffers, withAreas ? &content.areas : nullptr);
  return std::move(out.bytes);
}

namespace {

bool writeSnapshot(App& app, const SnapshotFile& file, int expectDone,
                   std::vector<DataFile> alongside) {
  auto& v = app.vars;
  const bool slot = file.isSlot();
  LayoutWriter out;
  walkSnapshot(out, expectDone, app.snapshot.buffers, slot ? &v.AreaMember : nullptr);
  alongside.push_back({file.name(), std::move(out.bytes)});
  // Slots are meant to outlast a power cut; the undo snapshot is rewritten every spin.
  const bool ok = SaveDataFiles(app, alongside, slot);
  if (!slot) app.snapshot.realSaveStale = !ok;
  if (ok && slot) SaveWindowSettings(app);
  return ok;
}

}  // namespace

bool WriteSnapshotFile(App& app, const SnapshotFile& file, std::vector<DataFile> alongside) {
  return writeSnapshot(app, file, app.vars.ExpectDone, std::move(alongside));
}

bool WriteUndoSnapshot(App& app, int expectDoneBefore) {
  return writeSnapshot(app, RealSaveFile, expectDoneBefore, {});
}

std::optional<SnapshotContent> ReadSnapshotFile(App& app, const SnapshotFile& file) {
  const bool slot = file.isSlot();
  const std::string name = file.name();
  SnapshotContent content;
  const bool ok =
      (slot || !app.snapshot.realSaveStale) && ReadLayoutFile(app, name, [&](LayoutReader& in) {
        walkSnapshot(in, content.expectDone, content.buffers, slot ? &content.areas : nullptr);
      });
  if (!ok) {
    ShowReadFailure(app, name);
    return std::nullopt;
  }
  return content;
}
