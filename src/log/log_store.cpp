#include "log/log_store.h"

#include "windows/app.h"

bool AppendLogEntry(App& app, long count, int index) {
  if (count < 1 || count > 5000) return false;
  app.vars.SpinLog(static_cast<int>(count)) = index + 1;
  return true;
}

std::vector<int> LoggedSpins(const App& app) {
  std::vector<int> spins;
  // Undo and reset clear entries from the end, so the log ends at its first empty entry.
  for (int k = 1; k <= 5000; ++k) {
    const int value = app.vars.SpinLog(k);
    if (value < 1 || value > 38) break;
    spins.push_back(value - 1);
  }
  return spins;
}

void RemoveLogEntry(App& app, long count) {
  if (count >= 1 && count <= 5000) app.vars.SpinLog(static_cast<int>(count)) = 0;
}
