#include "log/log_window.h"

void Log_F_Load(App&) {}
void Page_Back_B_Click(App&, int) {}
void Page_Next_B_Click(App&, int) {}
void Search_Click(App&, int) {}
void Clear_B_Click(App&, int) {}
