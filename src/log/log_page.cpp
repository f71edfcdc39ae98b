#include "log/log_page.h"

#include <string>

#include "core/number_index.h"
#include "windows/app.h"

namespace {

// An entry is dark while its own number is searched, or its colour through "Red" (39)
// or "Black" (40); 0 and 00 react only to their own toggles.
Colour entryColour(const GameVars& v, int value) {
  const int colourClass = ColourClassOf(value - 1);
  const bool searched = v.SearchOn(value) == 1 ||
                        (colourClass == RedClass && v.SearchOn(39) == 1) ||
                        (colourClass == BlackClass && v.SearchOn(40) == 1);
  return searched ? DarkColour(colourClass) : LightColour(colourClass);
}

void drawEntry(Label& cell, const GameVars& v, int n) {
  const int value = v.SpinLog(n);
  if (value != 0) {
    cell.setCaption(NumberText(value - 1));
    cell.setBack(entryColour(v, value));
  } else {
    cell.setBack(ButtonFace);
    cell.setCaption("");
  }
}

}  // namespace

void ShowLogPage(App& app) {
  // Loading the window runs its load handler first, which draws the page itself too.
  LogForm& f = Log_F(app);
  const GameVars& v = app.vars;
  const int firstEntry = v.LogPage * 100 - 100;
  for (int i = 1; i <= 100; ++i) {
    const int n = firstEntry + i;
    f.Log_No(i).setCaption(std::to_string(n));
    drawEntry(f.Log(i), v, n);
  }
}

void ShowLogEntry(App& app, int n) {
  LogForm& f = Log_F(app);
  const int row = n - (app.vars.LogPage * 100 - 100);
  if (row >= 1 && row <= 100) drawEntry(f.Log(row), app.vars, n);
}
