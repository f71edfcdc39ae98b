#include "predict/point_strategy.h"

void Point_F_Load(App&) {}
void PointExpectStep(App&) {}
void PointJudgeStep(App&, bool) {}
void Mode1_Click(App&, int) {}
void Mode2_Click(App&, int) {}
void UP_1_Click(App&, int) {}
void Down_1_Click(App&, int) {}
