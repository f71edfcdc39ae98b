#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/game_vars.h"
#include "core/snapshot.h"
#include "store/data_file.h"

class App;

// A snapshot file: REAL_SAVE.FIL, the status windows before the last spin, or USER3_n.FIL
// of save slot n, which holds the six areas before them and must outlast a power cut. The
// recovery pair's RESUME3.FIL has a slot's layout and loads as a slot's file does.
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

// Writes ExpectDone and the snapshot buffers (a slot's file: the areas first) to `file`,
// together with `alongside`: all files or none. After a slot's file USER2.FIL is rewritten,
// so that its areas equal the slot's. False after a failure, which has been reported.
bool WriteSnapshotFile(App& app, const SnapshotFile& file, std::vector<DataFile> alongside = {});

// REAL_SAVE.FIL from the snapshot buffers, with the ExpectDone of before the spin an undo
// would take back: it differs from the current one when that spin judged a prediction.
bool WriteUndoSnapshot(App& app, int expectDoneBefore);

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

// Reads `file` whole. A missing, short or malformed file, or a REAL_SAVE.FIL that could not
// be rewritten for the last spin, is reported and gives nothing.
std::optional<SnapshotContent> ReadSnapshotFile(App& app, const SnapshotFile& file);
