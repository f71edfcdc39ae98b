#pragma once

#include "stats/wheel_evidence.h"

// How large a bias the evidence against a fair wheel finds, and after how many spins.
// The figures are bounds on the safe side: they count only the part of the mixture made
// for that kind of bias, and the evidence as it stands after the spins, not whether it
// passed the alarm on the way.
inline constexpr double WantedPower = 0.8;

// The smallest multiple of its fair chance at which one unit of this kind raises the
// alarm after `spins` spins with WantedPower; 0 when no bias, however large, can yet.
double DetectableMultiple(BiasKind kind, int pockets, long spins);

// The spins after which one unit of this kind, at the chance that gives a player betting
// it `edge` per unit staked (0.015 for +1.5 %), raises the alarm with WantedPower.
long SpinsNeeded(BiasKind kind, int pockets, double edge);

// A player's expected gain per unit staked on a bet whose chance is `multiple` times its
// fair one. Every bet here pays 36 for 1 spread over the numbers it covers (a straight up
// 35 to 1, a dozen 2 to 1, an even chance 1 to 1, a sector played as five straight-ups),
// so the gain is the same for all of them.
double PlayerEdge(double multiple, int pockets);
