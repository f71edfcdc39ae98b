#pragma once

#include <string>

#include "core/colour.h"

class App;

// The Total window as it was before the last spin. Only an undo puts it back, so it stays
// in memory and REAL_SAVE.FIL keeps its layout.
struct TotalWindowTexts {
  std::string hits, outs, rate, status;
  Colour statusFore = ButtonText, statusBack = ButtonFace;
  bool picture = false;
};

// The Total window: overall tallies of all strategies.
void Total_F_Load(App& app);

// When the Total window's rate and status are brought up to date.
enum class TotalStatusAfter {
  // After a verdict: the rate only once the hit sum reaches 1, the status always.
  Verdict,
  // After a slot load: rate and status only once the hit sum reaches 1; below that the
  // status label keeps what it showed before the load.
  SlotLoad,
};

// Recomputes the Total window's win rate and "Com Win Good!" / "Com Loss Sorry" status
// from its tallies. While no rate can be computed (no hit rounds to a whole one and no
// miss is counted) rate and status keep what they show.
void ShowTotalStatus(App& app, TotalStatusAfter after = TotalStatusAfter::SlotLoad);

// Keeps the Total window as it is before a spin, and puts it back when the spin is taken
// back, so that the verdict of the spin no longer counts.
void SnapTotalWindow(App& app);
void RestoreTotalWindow(App& app);
