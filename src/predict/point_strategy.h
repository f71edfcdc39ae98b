#pragma once

class App;

// The Point strategy and its window.
void Point_F_Load(App& app);

// Recomputes the points, then holds the current set while the limit runs, refuses, or
// draws eighteen numbers weighted by their points ("よくでる Mode") and, in
// "もうでる Mode", predicts the other eighteen.
void PointExpectStep(App& app);

// Judges the predicted numbers against the spin just recorded; without a standing
// prediction (`stood` false) it shows that none stood.
void PointJudgeStep(App& app, bool stood);

// Lights the Point lamps of the predicted numbers and darkens the others.
void ShowPointLamps(App& app);

void Mode1_Click(App& app, int);
void Mode2_Click(App& app, int);
void UP_1_Click(App& app, int);
void Down_1_Click(App& app, int);
