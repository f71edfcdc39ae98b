#include "area/area_edit.h"

void Area_Set_Click(App&, int) {}
void AreaCell_Click(App&, int, int) {}
void Set_B_Click(App&, int) {}
void ClearAreaSet(App&) {}
