#pragma once

#include <string>

// Win rates of the tallies. Two formulas are in use and must not be mixed.

// Black-or-Red and Point: Round(hits / (outs + hits), 3) x 100 in double precision,
// followed by "%" (two hits and one miss give "66.7%").
std::string TallyWinRate(double hits, double outs);

// Area and Total scores: Round(H / (H + O) x 100, 1) in single precision, where H is the
// hit score rounded to a whole number and O the miss score as it stands (1.05 hits and
// 0.95 misses give 51.3). Callers check that H + O is not 0.
float ScoreWinRate(double hitScore, double outScore);

// The same rate as window text: "51.3%".
std::string ScoreWinRateText(float rate);
