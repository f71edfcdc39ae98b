#pragma once

class App;

// The area step of a prediction: draws one area weighted by the hit levels.
void AreaExpectStep(App& app);

// The area step of the verdict pass; `stood` tells whether a prediction stood.
void AreaJudgeStep(App& app, bool stood);
