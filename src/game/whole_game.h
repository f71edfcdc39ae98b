#pragma once

#include "store/slot_files.h"

struct SnapshotFile;
class App;

// The main window's figures, the spin log and the Total window's tallies as a slot file
// holds them; date and comment are left empty.
SlotFile TakeGame(App& app);

// Puts a game back as a slot load does, after LoadSnapshotFile has put its snapshot file
// `from` in place: the figures, strip and log, the Total window, the three status windows
// and their lamps, the hit levels; USER2.FIL is rewritten with the areas the game
// brought. The undo has nothing to take back after it.
void PutGameInPlace(App& app, const SlotFile& f, const SnapshotFile& from);
