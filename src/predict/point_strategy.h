#pragma once

class App;

// The Point strategy and its window.
void Point_F_Load(App& app);
void PointExpectStep(App& app);
void PointJudgeStep(App& app, bool stood);
void Mode1_Click(App& app, int);
void Mode2_Click(App& app, int);
void UP_1_Click(App& app, int);
void Down_1_Click(App& app, int);
