#include "store/snapshot_cycle.h"

void SnapOrWindow(App&) {}
void SnapPointWindow(App&) {}
void SnapAreaWindow(App&) {}
