#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/disk.h"
#include "store/line_format.h"

class App;

// Data files are named relative to the program folder with "/" separators, as in
// "Data/Files/USER.FIL"; messages show them the same way.
std::filesystem::path DataPath(const App& app, const std::string& relative);

struct DataFile {
  std::string relative;
  std::string bytes;
};

// Writes data files of one folder whole, all or none (see ReplaceFiles; `durable` for
// files that must outlast a power cut): on failure shows the stop box with the name of the
// file that failed and returns false; the old files are left as they were.
bool SaveDataFiles(App& app, const std::vector<DataFile>& files, bool durable = false);
bool SaveDataFile(App& app, const std::string& relative, std::string bytes, bool durable = false);

// The whole content of a data file; nothing when it is missing or cannot be read.
std::optional<std::string> ReadDataFile(const App& app, const std::string& relative);

// Reads the bytes of a file whole through a layout walker (see LayoutReader); false when
// they are short or malformed.
template <class Walk>
bool ParseLayout(std::string_view bytes, Walk walk) {
  LayoutReader in(bytes);
  walk(in);
  return in.complete();
}

// The stop box for a file that could not be read.
void ShowReadFailure(App& app, const std::string& relative);
// The stop box for a file that could not be written.
void ShowWriteFailure(App& app, const std::string& relative);

// Finishes or undoes the writes a kill or power cut interrupted in the data folder and
// removes their temporary files; run at start before any data file is read.
void RecoverDataFiles(App& app);
