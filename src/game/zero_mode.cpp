#include "game/zero_mode.h"

#include "windows/main_form.h"

void SetRow37Visible(MainForm& m, bool visible) {
  m.Deme(37).setVisible(visible);
  for (int k = 1; k <= 10; ++k) m.Hit_Level(k)(37).setVisible(visible);
  m.Count_P(37).setVisible(visible);
  m.Count_M(37).setVisible(visible);
  m.Hit_Count(37).setVisible(visible);
  m.Rate(37).setVisible(visible);
}
