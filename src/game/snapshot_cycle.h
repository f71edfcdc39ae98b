#pragma once

#include <string>

#include "store/snapshot_files.h"

class App;

// The status windows as a spin or a slot save left them, for an undo or a slot load.
struct StatusSnapshot {
  SnapshotBuffers buffers;
  // Set while REAL_SAVE.FIL could not be rewritten for the last spin: it then holds the
  // windows of an earlier spin, which an undo must not put back.
  bool realSaveStale = false;
  // What REAL_SAVE.FIL was last written with, for the recovery file.
  std::string undoBytes;
};

// Copy the figures of the Black-or-Red, Point and Area windows into the snapshot buffers
// and back. The callers use them as a group, in this order: spin entry and a slot save
// run the three snaps and then write the file once (KeepUndoSnapshot, WriteSlot); an
// undo and a slot load read the file once (LoadSnapshotFile) and then run the three
// restores.
void SnapOrWindow(App& app);
void SnapPointWindow(App& app);
void SnapAreaWindow(App& app);

// The texts the three snaps copy, taken without touching the snapshot buffers.
SnapshotBuffers StatusWindowTexts(App& app);

// The snapshot buffers as the last snaps or LoadSnapshotFile left them.
const SnapshotBuffers& SnapshotBuffersOf(App& app);

// Writes REAL_SAVE.FIL from the snapshot buffers with `expectDone`, the ExpectDone of
// before the spin an undo would take back. A failure is reported, and until the next
// write that works the undo refuses the file.
void KeepUndoSnapshot(App& app, int expectDone);

// Reads a snapshot file and puts it in place: ExpectDone, the buffers and, from a slot's
// file, the areas, which replace the area set; the Expect button then shows whether a
// prediction stands. A file that cannot be read is reported, changes nothing and gives
// false.
bool LoadSnapshotFile(App& app, const SnapshotFile& file);
// The same for a content already read, as from the file `from`.
void PutSnapshotInPlace(App& app, SnapshotContent content, const SnapshotFile& from);

// Each puts its window's texts back, then derives its lamps from the prediction flags
// and clears its verdicts. From a slot's file the area window is first rebuilt from the
// areas just read.
void RestoreOrWindow(App& app);
void RestorePointWindow(App& app);
void RestoreAreaWindow(App& app, const SnapshotFile& from);
