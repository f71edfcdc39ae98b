#pragma once

class App;

// "＞" of row i: records a spin of number index i on every window, judges the standing
// prediction and logs the spin.
void Count_P_Click(App& app, int i);
