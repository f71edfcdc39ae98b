#pragma once

class App;

// The Black-or-Red strategy and its window.
void Black_or_Red_F_Load(App& app);
void BlackOrRedExpectStep(App& app);
void BlackOrRedJudgeStep(App& app, bool stood);
