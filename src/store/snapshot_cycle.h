#pragma once

class App;

// Copy the figures of the Black-or-Red, Point and Area windows into the snapshot buffers
// and back. The callers use them as a group, in this order: spin entry and a slot save
// run the three snaps and then write the file once (WriteSnapshotFile); an undo and a
// slot load read the file once (ReadSnapshotFile) and then run the three restores.
void SnapOrWindow(App& app);
void SnapPointWindow(App& app);
void SnapAreaWindow(App& app);

// Each puts its window's texts back, then derives its lamps from the prediction flags
// and clears its verdicts. In slot mode the area window is rebuilt from the areas just
// read and USER2.FIL is rewritten.
void RestoreOrWindow(App& app);
void RestorePointWindow(App& app);
void RestoreAreaWindow(App& app);
