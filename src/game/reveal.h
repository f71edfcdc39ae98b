#pragma once

class App;

// The reveal of a prediction: the lamps run through their positions on the Play timer,
// then settle on the prediction.
void StartReveal(App& app);
void Play_Timer(App& app, int);
