#pragma once

class App;

// USER.FIL: PocketCount, SoundOn, MainFront. USER2.FIL: the window flags and options on
// its first line, then one line of six area memberships per number index 0..37. A field
// that is missing or not a whole number takes its factory value.
void LoadUserSettings(App& app);
void SaveUserSettings(App& app);
void LoadWindowSettings(App& app);
void SaveWindowSettings(App& app);
