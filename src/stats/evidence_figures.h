#pragma once

class StatisticsState;
class StatisticsForm;
class WheelEvidence;
struct SingleTests;
struct WheelTally;

// The head of the window: the spins, the evidence against a fair wheel and what it means
// in words, what the spins counted could find, and on which wheel they are judged.
void ShowEvidence(StatisticsForm& s, const WheelTally& tally, const WheelEvidence& evidence,
                  const SingleTests& tests, StatisticsState& state);
