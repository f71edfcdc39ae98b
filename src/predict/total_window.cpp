#include "predict/total_window.h"

void Total_F_Load(App&) {}
void ShowTotalStatus(App&) {}
