#include "log/log_window.h"

#include <string>

#include "core/number_index.h"
#include "log/log_page.h"
#include "log/log_store.h"
#include "windows/app.h"
#include "windows/sounds.h"

namespace {

// Toggle k is dark exactly while its search is on.
void paintToggle(App& app, int k) {
  const int colourClass = ColourClassOf(k - 1);
  Log_F(app).Search(k).setBack(app.vars.SearchOn(k) == 1 ? DarkColour(colourClass)
                                                         : LightColour(colourClass));
}

// Pages run from 1 to 50 whatever was recorded; a step past either end does nothing.
void turnPage(App& app, int step) {
  const int page = app.vars.LogPage + step;
  if (page < 1 || page > 50) return;
  PlayMenuSound(app);
  app.vars.LogPage = page;
  Log_F(app).Page.setCaption(std::to_string(page));
  ShowLogPage(app);
}

}  // namespace

// The searches and the page outlive the window: a new window shows them again.
void Log_F_Load(App& app) {
  Log_F(app).Page.setCaption(std::to_string(app.vars.LogPage));
  ShowLogPage(app);
  for (int k = 1; k <= 40; ++k)
    if (app.vars.SearchOn(k) == 1) paintToggle(app, k);
}

void Page_Back_B_Click(App& app, int) {
  turnPage(app, -1);
}

void Page_Next_B_Click(App& app, int) {
  turnPage(app, +1);
}

void TurnLogPageTo(App& app, int page) {
  if (page != app.vars.LogPage) turnPage(app, page - app.vars.LogPage);
}

void Search_Click(App& app, int k) {
  PlayBgm1Sound(app);
  int& on = app.vars.SearchOn(k);
  on = on != 0 ? 0 : 1;
  paintToggle(app, k);
  ShowLogPage(app);
}

void Clear_B_Click(App& app, int) {
  PlayBgm1Sound(app);
  ResetSearchToggles(app);
  ShowLogPage(app);
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
