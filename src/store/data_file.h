#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "store/line_format.h"

class App;

// Data files are named relative to the program folder with "/" separators, as in
// "Data/Files/USER.FIL"; messages show them the same way.
std::filesystem::path DataPath(const App& app, const std::string& relative);

struct DataFile {
  std::string relative;
  std::string bytes;
};

// Writes data files whole, all or none: on failure shows the stop box with the name of
// the file that failed and returns false; the old files are left as they were.
bool SaveDataFiles(App& app, const std::vector<DataFile>& files, bool sync = false);
bool SaveDataFile(App& app, const std::string& relative, const std::vector<Line>& lines,
                  bool sync = false);

// Reads and parses a data file; empty when it is missing or cannot be parsed.
std::optional<std::vector<Line>> ReadDataFile(const App& app, const std::string& relative);

// Reads a data file whole through a layout walker (see LayoutReader); false, with nothing
// reported, when it is missing, short or malformed.
template <class Walk>
bool ReadLayoutFile(const App& app, const std::string& relative, Walk walk) {
  const auto lines = ReadDataFile(app, relative);
  if (!lines) return false;
  LayoutReader in(*lines);
  walk(in);
  return in.ok();
}

// The stop box for a file that could not be read.
void ShowReadFailure(App& app, const std::string& relative);
