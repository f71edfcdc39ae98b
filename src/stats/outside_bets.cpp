#include "stats/outside_bets.h"

#include "core/number_index.h"

bool OnOutsideBet(int bet, int index) {
  if (index < 0 || index >= 36) return false;
  const int number = index + 1;
  switch (bet) {
    case 1:
    case 2:
    case 3:
      return (number - 1) / 12 == bet - 1;
    case 4:
    case 5:
    case 6:
      return (number - 1) % 3 == bet - 4;
    case 7:
      return ColourClassOf(index) == RedClass;
    case 8:
      return ColourClassOf(index) == BlackClass;
    case 9:
      return number % 2 == 1;
    case 10:
      return number % 2 == 0;
    case 11:
      return number <= 18;
    default:
      return number >= 19;
  }
}

int OutsideBetSize(int bet) {
  return bet <= 6 ? 12 : 18;
}
