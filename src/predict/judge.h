#pragma once

class App;

// Judges the standing prediction against the spin just recorded, or shows that none stood.
void JudgeExpect(App& app);
