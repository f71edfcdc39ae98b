#include "store/save_slots.h"

void Save_Load_F_Load(App&) {}
void Save_Click(App&, int) {}
void Load_Click(App&, int) {}
void Save_Load_Command1_Click(App&, int) {}
void Save_Load_F_Unload(App&) {}
