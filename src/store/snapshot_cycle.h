#pragma once

class App;

// Copy the Black-or-Red, Point and Area windows' figures into the snapshot file, so that
// the last spin can be taken back.
void SnapOrWindow(App& app);
void SnapPointWindow(App& app);
void SnapAreaWindow(App& app);
