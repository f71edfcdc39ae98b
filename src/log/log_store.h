#pragma once

#include <vector>

class App;

// The spin log keeps the first 5000 spins since the last reset: SpinLog(k) holds the
// number index + 1 of spin k, 0 where no spin is recorded.

// Spin entry, after the spin count was raised to `count`: logs the spin and redraws its row.
// Spins beyond the 5000th are not logged.
void AppendLogEntry(App& app, long count, int index);

// The spins of the log, oldest first, as number indices.
std::vector<int> LoggedSpins(const App& app);

// Undo, with the spin count before it is lowered: forgets that spin.
void RemoveLogEntry(App& app, long count);

// Reset: every search off, every entry 0, back on page 1, redrawn.
void EmptyLog(App& app);

// Every search toggle back to its light colour and off.
void ResetSearchToggles(App& app);
