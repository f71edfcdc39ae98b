#include "store/snapshot_files.h"

#include "store/data_file.h"

namespace {

// What the Black-or-Red window's texts stand for, in the order of OrSnap: for black, then
// for red, the prediction flag, the hits, their share, the predictions won and lost and
// their rate; then the window's tallies and rate.
constexpr Figure OrSnapFigures[15] = {
    Figure::Flag,   Figure::Count, Figure::Shown,  Figure::Amount, Figure::Amount,
    Figure::Shown,  Figure::Flag,  Figure::Count,  Figure::Shown,  Figure::Amount,
    Figure::Amount, Figure::Shown, Figure::Amount, Figure::Amount, Figure::Shown};

// The layout of REAL_SAVE.FIL (92 lines); a slot's USER3_n.FIL puts the 38 lines of area
// memberships, one number index a line, before it. The program only ever writes 0 or 1
// for a membership and for ExpectDone. The writer walks const values, the reader mutable
// ones.
template <class Io, class Int, class Buffers, class Areas>
void walkSnapshot(Io& io, Int& expectDone, Buffers& b, Areas* areas) {
  if (areas) {
    for (int i = 0; i <= 37; ++i) {
      for (int k = 1; k <= 6; ++k) io.integer((*areas)(k)(i), 0, 1);
      io.endLine();
    }
  }
  io.integer(expectDone, 0, 1);
  io.endLine();
  for (int e = 0; e <= 14; ++e) {
    io.figure(b.OrSnap(e), OrSnapFigures[e]);
    io.endLine();
  }
  for (int e = 0; e <= 35; ++e) {
    for (auto* column :
         {&b.PointSnapHitCount, &b.PointSnapZenkai, &b.PointSnapOne, &b.PointSnapTotal})
      io.figure((*column)(e), Figure::Count);
    io.figure(b.PointSnapExpect(e), Figure::Flag);
    io.endLine();
  }
  io.figure(b.PointSnapTally(0), Figure::Amount);
  io.figure(b.PointSnapTally(1), Figure::Amount);
  io.figure(b.PointSnapTally(2), Figure::Shown);
  io.endLine();
  for (int k = 1; k <= 6; ++k) {
    for (auto [column, kind] :
         {std::pair{&b.AreaSnapHit, Figure::Count}, std::pair{&b.AreaSnapRate, Figure::Level},
          std::pair{&b.AreaSnapExpect, Figure::Flag}}) {
      io.figure((*column)(k), kind);
      io.endLine();
    }
  }
  for (int k = 1; k <= 7; ++k) {
    for (auto [column, kind] : {std::pair{&b.AreaSnapExpectHit, Figure::Amount},
                                std::pair{&b.AreaSnapExpectOut, Figure::Amount},
                                std::pair{&b.AreaSnapWinRate, Figure::Shown}}) {
      io.figure((*column)(k), kind);
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

std::string SnapshotFileBytes(int expectDone, const SnapshotBuffers& buffers,
                              const AreaTables* areas) {
  LayoutWriter out;
  walkSnapshot(out, expectDone, buffers, areas);
  return std::move(out.bytes);
}

std::optional<SnapshotContent> ParseSnapshotFile(std::string_view bytes, bool slot) {
  SnapshotContent c;
  if (!ParseLayout(bytes, [&](LayoutReader& in) {
        walkSnapshot(in, c.expectDone, c.buffers, slot ? &c.areas : nullptr);
      }))
    return std::nullopt;
  return c;
}

FileRead<SnapshotContent> ReadSnapshotFile(const App& app, const SnapshotFile& file) {
  return ReadLayoutFile<SnapshotContent>(app, file.name(), [&file](std::string_view bytes) {
    return ParseSnapshotFile(bytes, file.isSlot());
  });
}

FileResult WriteUndoSnapshot(App& app, std::string bytes) {
  return SaveDataFile(app, RealSaveFile.name(), std::move(bytes));
}
