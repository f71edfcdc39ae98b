#pragma once

#include "core/file_result.h"

class App;

// USER.FIL: PocketCount, SoundOn, MainFront. USER2.FIL: the window flags and options on
// its first line, then one line of six area memberships per number index 0..37. A field
// that is missing or cannot be read (not a whole number, a PocketCount other than 37 or
// 38, a PointMode other than 1 or 2, a PointLimit outside 1..38, a switch or membership
// other than 0 or 1) takes its factory value; the others keep theirs. A load is Malformed
// when any field took its factory value, and Missing or Failed when every field did
// because the file could not be read.
FileResult LoadUserSettings(App& app);
[[nodiscard]] FileResult SaveUserSettings(App& app);
FileResult LoadWindowSettings(App& app);
[[nodiscard]] FileResult SaveWindowSettings(App& app);
