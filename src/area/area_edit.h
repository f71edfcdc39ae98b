#pragma once

class App;

// Editing the six areas in the area window.
void Area_Set_Click(App& app, int);
// Cell i (number index i - 1) of area k.
void AreaCell_Click(App& app, int k, int i);
void Set_B_Click(App& app, int);
// Empties all six areas and their display.
void ClearAreaSet(App& app);
