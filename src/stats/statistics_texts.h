#pragma once

#include <string>

#include "stats/chance_tests.h"

// Figures of the statistics window as texts, by the program's number rules.

// Shown in place of a p that cannot yet mean anything: no outcome of the spins so far
// could make it small.
inline constexpr const char* NoP = "—";

// A p-value to `digits` significant figures; "<0.0001" below that, where only its
// smallness matters. A p that comes from drawn wheels has fewer true digits.
std::string PText(double p, int digits = 4);

// The p as the window shows it, which is what a verdict decides on: 0.049995 is shown as
// 0.05, and is no evidence.
double ShownP(double p, int digits = 4);

// A share as a percentage: 0.4737 gives "47.4%".
std::string PercentText(double share, int decimals = 1);

// x rounded to the given decimals.
std::string DecimalText(double x, int decimals);

// A signed percentage: "+12.5%", "-3%".
std::string SignedPercentText(double share, int decimals = 1);

// An e-value from its logarithm, to three significant figures; from a million on in
// powers of ten, as "2.41e+07", so that any size can be written.
std::string EValueText(double logValue);

// A number of spins as a reader takes it in: "約 21 万回", "約 3900 回".
std::string AboutSpinsText(long spins);

// The verdict for a p-value, decided on the p as shown, in plain words with its range
// stated. `strong`, `weak` and `none` say what each level means for the thing tested.
std::string EvidenceText(double p, const std::string& strong, const std::string& weak,
                         const std::string& none, const std::string& pName = "p", int digits = 4);
