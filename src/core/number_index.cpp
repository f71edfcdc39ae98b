#include "core/number_index.h"

#include "core/game_vars.h"

namespace {

bool isRedNumber(int number) {
  switch (number) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 9:
    case 12:
    case 14:
    case 16:
    case 18:
    case 19:
    case 21:
    case 23:
    case 25:
    case 27:
    case 30:
    case 32:
    case 34:
    case 36:
      return true;
    default:
      return false;
  }
}

}  // namespace

std::string NumberText(int index) {
  if (index == ZeroIndex) return "0";
  if (index == DoubleZeroIndex) return "00";
  return std::to_string(index + 1);
}

int NumberIndexOf(std::string_view text) {
  if (text == "0") return ZeroIndex;
  if (text == "00") return DoubleZeroIndex;
  if (text.empty() || text.size() > 2 || text[0] < '1' || text[0] > '9') return -1;
  int number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    number = number * 10 + (c - '0');
  }
  return number <= 36 ? number - 1 : -1;
}

int ColourClassOf(int index) {
  if (index < 0 || index > 39) return NoClass;
  if (index == ZeroIndex) return ZeroClass;
  if (index == DoubleZeroIndex) return DoubleZeroClass;
  if (index == 38) return RedClass;
  if (index == 39) return BlackClass;
  return isRedNumber(index + 1) ? RedClass : BlackClass;
}

Colour DarkColour(int colourClass) {
  switch (colourClass) {
    case RedClass:
      return Colour::rgb(0xC00000);
    case BlackClass:
      return Colour::rgb(0x000000);
    case ZeroClass:
      return Colour::rgb(0x008000);
    case DoubleZeroClass:
      return Colour::rgb(0x0000C0);
    default:
      return ButtonFace;
  }
}

Colour LightColour(int colourClass) {
  switch (colourClass) {
    case RedClass:
      return Colour::rgb(0xFFC0C0);
    case BlackClass:
      return Colour::rgb(0xC0C0C0);
    case ZeroClass:
      return Colour::rgb(0xC0FFC0);
    case DoubleZeroClass:
      return Colour::rgb(0xC0C0FF);
    default:
      return ButtonFace;
  }
}

void ClassifyColour(GameVars& v) {
  const int c = ColourClassOf(v.CurrentIndex);
  if (c != NoClass) v.ColourClass = c;
}
