#pragma once

#include <string>
#include <string_view>

#include "core/colour.h"

struct GameVars;

// The 38 pockets are numbers 1..36 at index 0..35, "0" at 36 and "00" at 37. Indices 38
// and 39 are the log window's "Red" and "Black" search toggles.
inline constexpr int ZeroIndex = 36;
inline constexpr int DoubleZeroIndex = 37;

enum ColourClassValue {
  NoClass = 0,
  RedClass = 1,
  BlackClass = 2,
  ZeroClass = 3,
  DoubleZeroClass = 4
};

// "1".."36", "0", "00".
std::string NumberText(int index);

// The index of a number text as NumberText writes it; -1 for any other text ("07", "37").
int NumberIndexOf(std::string_view text);

// Class of an index 0..39; 0 for any other index.
int ColourClassOf(int index);

// Result colours (number labels, strips, area members); button face for class 0.
Colour DarkColour(int colourClass);

// Background of selectable items that are not picked (search toggles, area non-members).
Colour LightColour(int colourClass);

// Sets ColourClass from CurrentIndex; an index outside 0..39 leaves it as it is.
void ClassifyColour(GameVars& v);
