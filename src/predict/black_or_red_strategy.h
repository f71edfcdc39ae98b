#pragma once

class App;

// The Black-or-Red strategy and its window.
void Black_or_Red_F_Load(App& app);

// Draws red or black for the coming spin, favouring the colour that has come out less
// often, and shows the drawn colour's flag and light at once.
void BlackOrRedExpectStep(App& app);

// Judges the colour against the spin just recorded and updates the tallies and rates;
// without a standing prediction (`stood` false) it shows that none stood.
void BlackOrRedJudgeStep(App& app, bool stood);

// Sets the two flags and lights for a colour (1 red, 2 black).
void ShowExpectColour(App& app, int colour);
