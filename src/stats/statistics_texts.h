#pragma once

#include <string>

#include "stats/chance_tests.h"

// Figures of the statistics window as texts, by the program's number rules.

// A p-value to four significant figures; "<0.0001" below that, where only its smallness
// matters.
std::string PText(double p);

// A share as a percentage with one decimal: 0.4737 gives "47.4%".
std::string PercentText(double share);

// x rounded to the given decimals.
std::string DecimalText(double x, int decimals);

// The verdict for a p-value in plain words, with its range stated. `strong`, `weak` and
// `none` say what each level means for the thing tested.
std::string EvidenceText(double p, const std::string& strong, const std::string& weak,
                         const std::string& none, const std::string& pName = "p");
