#pragma once

#include <string_view>

// What a figure kept as a window text stands for, and so which values of it the program
// can work with. A stored figure outside its range is damage, not data.
enum class Figure {
  Shown,   // only shown, never read back as a number (rates, dates, comments)
  Flag,    // 0 or 1
  Count,   // whole number, 0 to FigureLimit: spins, hits, points
  Amount,  // 0 to FigureLimit, fractions allowed: scores and rounds
  Level,   // -FigureLimit to FigureLimit, fractions allowed: area hit levels
};

// Beyond any game (a spin a second for thirty years), and small enough that sums and
// products of figures stay exact in a double and within a long.
inline constexpr double FigureLimit = 1e9;

// Whether the text is written as the program writes a figure of its kind (decimal digits
// with at most one point, a minus only for a level, or nothing yet) and, read as every
// window figure is read (Val), lies within the kind's range.
bool FigureInRange(std::string_view text, Figure kind);
