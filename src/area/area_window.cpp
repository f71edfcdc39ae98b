#include "area/area_window.h"

void Area_F_Load(App&) {}
