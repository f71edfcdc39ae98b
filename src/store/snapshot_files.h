#pragma once

#include <string>
#include <vector>

#include "core/indexed_array.h"
#include "store/data_file.h"
#include "windows/controls.h"

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

// The Total window as it was before the last spin.
struct TotalWindowTexts {
  std::string hits, outs, rate, status;
  Colour statusFore = ButtonText, statusBack = ButtonFace;
  bool picture = false;
};

struct Snapshot {
  SnapshotBuffers buffers;
  // Only an undo puts it back, so it stays in memory and REAL_SAVE.FIL keeps its layout.
  TotalWindowTexts totalBeforeSpin;
  // Set while REAL_SAVE.FIL could not be rewritten for the last spin: it then holds the
  // windows of an earlier spin, which an undo must not put back.
  bool realSaveStale = false;
};

// "Data/Files/USER3_n.FIL": the snapshot file of slot n.
std::string SlotSnapshotFileName(int n);

// "Data/Files/REAL_SAVE.FIL", or in slot mode the file of slot SlotNo.
std::string SnapshotFileName(const App& app);

// Writes ExpectDone and the buffers (in slot mode the six areas first) to the file
// SnapshotFileName names, together with `alongside`: all files or none. In slot mode
// USER2.FIL is then rewritten, so that its areas equal the slot's. False after a failure,
// which has been reported.
bool WriteSnapshotFile(App& app, std::vector<DataFile> alongside = {});

// Reads the file SnapshotFileName names whole into ExpectDone and the buffers (in slot
// mode the areas are emptied and then replaced by the file's); the Expect button then
// shows whether a prediction stands. A missing, short or malformed file is reported and
// changes nothing; the result is then false.
bool ReadSnapshotFile(App& app);
