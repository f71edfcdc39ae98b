#pragma once

#include <string>

#include "area_sets.h"
#include "test_program.h"

// USER2.FIL with these options on its first line and no area members, so no area is ever
// drawn and the area step adds nothing to the tallies.
struct WindowOptions {
  int windows = 0;  // the four status window flags
  int expectCheck = 0;
  int mode = 1;
  int quick = 1;
  int limit = 10;
};

inline std::string Settings(const WindowOptions& o) {
  const std::string w = std::to_string(o.windows) + ",";
  return User2File(AreaOf{}, w + w + w + w + std::to_string(o.expectCheck) + "," +
                                 std::to_string(o.mode) + "," + std::to_string(o.quick) + "," +
                                 std::to_string(o.limit));
}

inline std::pair<std::string, std::string> SettingsFile(const WindowOptions& o) {
  return {"Data/Files/USER2.FIL", Settings(o)};
}

// Sound off, so that outputs show only messages.
inline std::pair<std::string, std::string> Silent(int pockets = 38) {
  return {"Data/Files/USER.FIL", std::to_string(pockets) + ",0,0\r\n"};
}

// The numbers 1..36 whose Point flag is "1".
inline std::string PredictedNumbers(App& app) {
  std::string s;
  for (int n = 1; n <= 36; ++n)
    if (Point_F(app).Expect_H(n).text() == "1") s += std::to_string(n) + " ";
  return s;
}

// The numbers 1..36 whose Point lamp is lit.
inline std::string LitNumbers(App& app) {
  std::string s;
  for (int n = 1; n <= 36; ++n)
    if (Point_F(app).Expect_Light(n).lit()) s += std::to_string(n) + " ";
  return s;
}

// "1 2 ... n " for the numbers first..last.
inline std::string Numbers(int first, int last) {
  std::string s;
  for (int n = first; n <= last; ++n) s += std::to_string(n) + " ";
  return s;
}

// Records each of the numbers 1..count (index 0..count-1) `times` times, in turns.
inline void SpinFirstNumbers(TestProgram& p, int count, int times) {
  for (int t = 0; t < times; ++t)
    for (int i = 0; i < count; ++i) p.spin(i);
}
