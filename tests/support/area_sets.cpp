#include "area_sets.h"

std::string User2File(const AreaOf& areaOf, const std::string& firstLine) {
  std::string s = firstLine + "\r\n";
  for (int area : areaOf) {
    for (int k = 1; k <= 6; ++k) s += std::string(k > 1 ? "," : "") + (area == k ? "1" : "0");
    s += "\r\n";
  }
  return s;
}

AreaOf AreasOfSizes(const std::vector<int>& sizes) {
  AreaOf areaOf{};
  std::size_t i = 0;
  for (std::size_t k = 0; k < sizes.size(); ++k)
    for (int n = 0; n < sizes[k] && i < areaOf.size(); ++n) areaOf[i++] = static_cast<int>(k) + 1;
  return areaOf;
}
