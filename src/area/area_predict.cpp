#include "area/area_predict.h"

void AreaExpectStep(App&) {}
void AreaJudgeStep(App&, bool) {}
