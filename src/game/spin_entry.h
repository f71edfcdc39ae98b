#pragma once

#include <string>

class App;

// "＞" of row i: records a spin of number index i on every window, judges the standing
// prediction and logs the spin.
void Count_P_Click(App& app, int i);

// Where a spin comes from. A click plays the count sound and writes the undo snapshot
// (REAL_SAVE.FIL) at once; a spin read from a file does neither, and whoever reads the
// file writes the snapshot once, for the last of its spins (KeepUndoSnapshot).
enum class SpinSource { Click, File };

// Everything a spin entry does once its refusals and notices are past: the figures of
// every window, the verdict of a standing prediction and the log. The status windows as
// they were before the spin are kept in memory for an undo.
void RecordSpin(App& app, int i, SpinSource source);

// The notice a spin entry gives when the spin count before it is 500 (area figures start
// to scatter) or 5000 (the log is full); empty for any other count.
std::string SpinCountNotice(long countBefore);
