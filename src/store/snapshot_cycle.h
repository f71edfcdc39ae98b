#pragma once

class App;

// Copy the Black-or-Red, Point and Area windows' figures into the snapshot file (or the
// slot's file in slot mode), and back.
void SnapOrWindow(App& app);
void SnapPointWindow(App& app);
void SnapAreaWindow(App& app);
void RestoreOrWindow(App& app);
void RestorePointWindow(App& app);
void RestoreAreaWindow(App& app);
