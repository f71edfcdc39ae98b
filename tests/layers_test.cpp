// The folders of src/ are layers: a folder includes its own files and those of folders
// below it, never one above it or beside it. This reads every include of src/ and names
// each one that breaks the rule.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Bottom to top. The features of the third layer each stand on the ones listed before
// them; the two front ends share the top and do not include each other.
const std::vector<std::vector<std::string>> Layers = {{"core"},  {"windows"}, {"log"},
                                                      {"store"}, {"area"},    {"predict"},
                                                      {"stats"}, {"game"},    {"cli", "gui"}};

std::optional<std::size_t> layerOf(const std::string& folder) {
  for (std::size_t i = 0; i < Layers.size(); ++i)
    if (std::find(Layers[i].begin(), Layers[i].end(), folder) != Layers[i].end()) return i;
  return std::nullopt;
}

struct Include {
  std::string where;  // "src/log/log_page.cpp:5"
  std::string from;   // the including file's folder
  std::string path;   // as written between the quotes
  std::string to;     // its folder; empty for a file named without one
};

// Every quoted include of every file below src/.
std::vector<Include> includesOfSources() {
  const fs::path src = fs::path(VARNET_SOURCE_DIR) / "src";
  std::vector<Include> found;
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    if (!entry.is_regular_file()) continue;
    const fs::path relative = fs::relative(entry.path(), src);
    const std::string from = relative.begin()->string();
    std::ifstream in(entry.path());
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      const std::string directive = "#include \"";
      const auto start = line.find_first_not_of(" \t");
      if (start == std::string::npos || line.compare(start, directive.size(), directive) != 0)
        continue;
      const auto open = start + directive.size();
      const std::string path = line.substr(open, line.find('"', open) - open);
      const auto slash = path.find('/');
      found.push_back({"src/" + relative.generic_string() + ":" + std::to_string(number), from,
                       path, slash == std::string::npos ? "" : path.substr(0, slash)});
    }
  }
  return found;
}

TEST(Layers, EveryIncludeOfSrcPointsDown) {
  const std::vector<Include> includes = includesOfSources();
  // Guards against a wrong source folder, where nothing would be checked.
  ASSERT_GT(includes.size(), 100u);
  std::string faults;
  for (const Include& i : includes) {
    const std::string line = i.where + ": #include \"" + i.path + "\": ";
    const auto from = layerOf(i.from);
    const auto to = layerOf(i.to);
    if (!from)
      faults += line + "folder " + i.from + " is in no layer\n";
    else if (i.path.starts_with("."))
      faults += line + "name the folder instead of a relative path\n";
    else if (i.to.empty() || i.to == i.from)
      continue;
    else if (!to)
      faults += line + "folder " + i.to + " is in no layer\n";
    else if (*to >= *from)
      faults += line + (*to > *from ? "points up" : "points sideways") + ", from " + i.from +
                " to " + i.to + "\n";
  }
  EXPECT_EQ(faults, "");
}

}  // namespace
