#include "area/area_window.h"

#include "area/area_stats.h"
#include "windows/app.h"

void Area_F_Load(App& app) {
  Area_F(app).setTopmost(true);
  ShowAreaSet(app);
}
