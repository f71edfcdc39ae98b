#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/file_result.h"
#include "core/game_vars.h"
#include "core/indexed_array.h"

class App;

// The texts of the Black-or-Red, Point and Area windows on their way to and from a
// snapshot file. Point entries 0..35 hold the columns of the numbers 1..36.
struct SnapshotBuffers {
  IndexedArray<std::string, 0, 14> OrSnap;
  IndexedArray<std::string, 0, 35> PointSnapHitCount;
  IndexedArray<std::string, 0, 35> PointSnapZenkai;
  IndexedArray<std::string, 0, 35> PointSnapOne;
  IndexedArray<std::string, 0, 35> PointSnapTotal;
  IndexedArray<std::string, 0, 35> PointSnapExpect;
  IndexedArray<std::string, 0, 2> PointSnapTally;
  IndexedArray<std::string, 1, 6> AreaSnapHit;
  IndexedArray<std::string, 1, 6> AreaSnapRate;
  IndexedArray<std::string, 1, 6> AreaSnapExpect;
  IndexedArray<std::string, 1, 7> AreaSnapExpectHit;
  IndexedArray<std::string, 1, 7> AreaSnapExpectOut;
  IndexedArray<std::string, 1, 7> AreaSnapWinRate;
};

// A snapshot file: REAL_SAVE.FIL, the status windows before the last spin, or USER3_n.FIL
// of save slot n, which holds the six areas before them. RESUME3.FIL, the second file of
// the recovery pair an earlier version kept, has a slot's layout and loads as a slot's
// file does.
struct SnapshotFile {
  int slot = 0;  // 1..5; 0 for REAL_SAVE.FIL; RecoverySlot for RESUME3.FIL

  bool isSlot() const { return slot != 0; }
  // Relative to the program folder, as in "Data/Files/USER3_2.FIL".
  std::string name() const;
};

inline constexpr int RecoverySlot = -1;

inline constexpr SnapshotFile RealSaveFile{};
inline constexpr SnapshotFile RecoverySnapshotFile{RecoverySlot};
inline constexpr SnapshotFile SlotSnapshotFile(int n) {
  return SnapshotFile{n};
}

// What a snapshot file holds; `areas` only from a slot's file.
struct SnapshotContent {
  int expectDone = 0;
  SnapshotBuffers buffers;
  AreaTables areas;
};

// The bytes of a snapshot file: the areas first when they are given (a slot's file).
std::string SnapshotFileBytes(int expectDone, const SnapshotBuffers& buffers,
                              const AreaTables* areas);

// The content of a snapshot file's bytes (with areas for a slot's file); nothing when they
// are short or malformed.
std::optional<SnapshotContent> ParseSnapshotFile(std::string_view bytes, bool slot);

// Reads `file` whole.
FileRead<SnapshotContent> ReadSnapshotFile(const App& app, const SnapshotFile& file);

// Rewrites REAL_SAVE.FIL with `bytes` (SnapshotFileBytes without areas). It is not
// synced: nothing reads it at start, and a restored game rewrites it from the recovery
// file, so a power cut costs nothing here.
[[nodiscard]] FileResult WriteUndoSnapshot(App& app, std::string bytes);
