#include "windows/about_window.h"

void Version_OK_Click(App&, int) {}
void Version_Command1_Click(App&, int) {}
void Version_Command2_Click(App&, int) {}
void Version_F_Unload(App&) {}
