#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/disk.h"
#include "core/file_result.h"
#include "store/line_format.h"

class App;

// The folder of the data files, relative to the program folder.
inline constexpr char DataFolder[] = "Data/Files";

// Data files are named relative to the program folder with "/" separators, as in
// "Data/Files/USER.FIL"; results name them the same way.
std::filesystem::path DataPath(const App& app, const std::string& relative);

struct DataFile {
  std::string relative;
  std::string bytes;
};

// Writes data files of one folder whole, all or none (see ReplaceFiles; `durable` for
// files that must outlast a power cut). When a step fails the old files are left as they
// were and the result names the file that failed.
[[nodiscard]] FileResult SaveDataFiles(App& app, const std::vector<DataFile>& files,
                                       bool durable = false);
[[nodiscard]] FileResult SaveDataFile(App& app, const std::string& relative, std::string bytes,
                                      bool durable = false);

// No game, setting or snapshot comes near this size (a full slot is about 40 KiB); a data
// file beyond it is damage and is not read.
inline constexpr std::size_t DataFileLimit = 16 << 20;
// The longest first line a data file's listing reads (a slot's date and comment).
inline constexpr std::size_t DataLineLimit = 64 << 10;

// The whole content of a data file; malformed beyond DataFileLimit.
FileRead<std::string> ReadDataFile(const App& app, const std::string& relative);

// The first line of a data file, without its line end, read alone; malformed when it
// runs beyond DataLineLimit.
FileRead<std::string> ReadDataFileLine(const App& app, const std::string& relative);

// Reads the bytes of a file whole through a layout walker (see LayoutReader); false when
// they are short or malformed.
template <class Walk>
bool ParseLayout(std::string_view bytes, Walk walk) {
  LayoutReader in(bytes);
  walk(in);
  return in.complete();
}

// Reads a data file whole and gives it to `parse`, which says what the bytes hold or
// gives nothing when they are short or malformed.
template <class T, class Parse>
FileRead<T> ReadLayoutFile(const App& app, const std::string& relative, Parse parse) {
  const FileRead<std::string> bytes = ReadDataFile(app, relative);
  if (!bytes.result.done()) return {bytes.result};
  std::optional<T> value = parse(bytes.value);
  if (!value) return {{FileResult::Malformed, relative}};
  return {{}, std::move(*value)};
}

// Finishes or undoes the writes a kill or power cut interrupted in the data folder and
// removes their temporary files; run at start before any data file is read.
void RecoverDataFiles(App& app);
