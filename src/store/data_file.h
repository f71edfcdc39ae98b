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

// Writes a data file whole. On failure shows the stop box with the file's name and
// returns false; the old file is left as it was.
bool SaveDataFile(App& app, const std::string& relative, const std::vector<Line>& lines,
                  bool sync = false);

// Reads and parses a data file; empty when it is missing or cannot be parsed.
std::optional<std::vector<Line>> ReadDataFile(const App& app, const std::string& relative);

// The stop box for a file that could not be read.
void ShowReadFailure(App& app, const std::string& relative);
