#pragma once

class StatisticsForm;
struct WheelTally;

// The pocket table, the wheel and the outside bets: counts, and each chance after the
// spins under the prior of the given strength (see bet_posterior.h).
void ShowWheelFigures(StatisticsForm& s, const WheelTally& tally, double strength);
