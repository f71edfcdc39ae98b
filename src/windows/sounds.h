#pragma once

class App;

// Each plays its wav file once while sound is on, and does nothing otherwise.
void PlayCountSound(App& app);
void PlayBgm1Sound(App& app);
void PlayExpectSound(App& app);
void PlayExpectEndSound(App& app);
void PlayMenuSound(App& app);
