#pragma once

#include <string>

#include "core/colour.h"
#include "core/indexed_array.h"

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

// The status windows as a spin or a slot save left them, for an undo or a slot load.
struct Snapshot {
  SnapshotBuffers buffers;
  // Only an undo puts it back, so it stays in memory and REAL_SAVE.FIL keeps its layout.
  TotalWindowTexts totalBeforeSpin;
  // Set while REAL_SAVE.FIL could not be rewritten for the last spin: it then holds the
  // windows of an earlier spin, which an undo must not put back.
  bool realSaveStale = false;
};
