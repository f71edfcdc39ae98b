#include "log/log_store.h"

#include "core/number_index.h"
#include "log/log_page.h"
#include "windows/app.h"

void AppendLogEntry(App& app, long count, int index) {
  if (count < 1 || count > 5000) return;
  app.vars.SpinLog(static_cast<int>(count)) = index + 1;
  ShowLogEntry(app, static_cast<int>(count));
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

void ResetSearchToggles(App& app) {
  LogForm& f = Log_F(app);
  for (int k = 1; k <= 40; ++k) {
    f.Search(k).setBack(LightColour(ColourClassOf(k - 1)));
    app.vars.SearchOn(k) = 0;
  }
}

void EmptyLog(App& app) {
  ResetSearchToggles(app);
  app.vars.SpinLog.fill(0);
  app.vars.LogPage = 1;
  Log_F(app).Page.setCaption("1");
  ShowLogPage(app);
}
