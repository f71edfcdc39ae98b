#include "store/snapshot_cycle.h"

void SnapOrWindow(App&) {}
void SnapPointWindow(App&) {}
void SnapAreaWindow(App&) {}
void RestoreOrWindow(App&) {}
void RestorePointWindow(App&) {}
void RestoreAreaWindow(App&) {}
