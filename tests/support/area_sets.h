#pragma once

#include <array>
#include <string>
#include <vector>

// USER2.FIL texts for tests. areaOf[i] is the area (1..6) of number index i, 0 for none.
using AreaOf = std::array<int, 38>;

std::string User2File(const AreaOf& areaOf, const std::string& firstLine = "0,0,0,0,0,1,0,10");

// Areas that take the number indices in order: sizes {6, 6, ...} puts indices 0..5 in
// area 1, 6..11 in area 2, and so on; indices left over belong to no area.
AreaOf AreasOfSizes(const std::vector<int>& sizes);
