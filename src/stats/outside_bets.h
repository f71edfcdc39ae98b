#pragma once

// The twelve outside bets, numbered 1..12: the dozens 1-12, 13-24, 25-36, the columns 1, 2
// and 3, red, black, odd, even, 1-18 and 19-36. Zero and double zero lose them all.
inline constexpr int OutsideBets = 12;

// Whether the pocket with this number index wins the bet.
bool OnOutsideBet(int bet, int index);

// How many numbers the bet covers: 12 for a dozen or a column, 18 for the others.
int OutsideBetSize(int bet);
