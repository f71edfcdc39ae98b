#pragma once

#include <array>

class MainForm;

using LevelThresholds = std::array<double, 10>;

// Spin entry and slot loads light level k when a number lags by more than 1.0 + 0.3(k-1)
// behind the round count; undo uses its own table stepping by 0.2.
inline constexpr LevelThresholds SpinThresholds = {1.0, 1.3, 1.6, 1.9, 2.2,
                                                   2.5, 2.8, 3.1, 3.4, 3.7};
inline constexpr LevelThresholds UndoThresholds = {1.0, 1.2, 1.4, 1.6, 1.8,
                                                   2.0, 2.2, 2.4, 2.6, 2.8};

// Paints the ten lights of each active row j from the lag Round_T - Hit_Count(j), read
// from the texts.
void PaintHitLevels(MainForm& m, const LevelThresholds& thresholds, int pocketCount);

// Rate(j) := Int(Hit_Count(j) / Total * PocketCount * 100) followed by "%", for each
// active row j.
void WriteRates(MainForm& m, int pocketCount);

// Back colour of a recent-results strip cell for a colour class (0 = empty).
void PaintStripCell(MainForm& m, int j, int colourClass);

// Marks the row of the newest result in the strip (none while the strip is empty), so
// that a wrong entry shows at a glance. Every change of the strip ends with it.
void MarkLastSpin(MainForm& m);
