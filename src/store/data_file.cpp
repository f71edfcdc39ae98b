#include "store/data_file.h"

#include <algorithm>

#include "store/file_group.h"
#include "windows/app.h"

std::filesystem::path DataPath(const App& app, const std::string& relative) {
  return app.folder / relative;
}

FileResult SaveDataFiles(App& app, const std::vector<DataFile>& files, bool durable) {
  std::vector<FileBytes> bytes;
  for (const DataFile& f : files) bytes.push_back({DataPath(app, f.relative), f.bytes});
  FileResult r = ReplaceFiles(*app.disk, bytes, durable);
  // Messages name the file as the program does.
  for (std::size_t i = 0; !r.done() && i < files.size(); ++i) {
    if (r.path != bytes[i].target.string()) continue;
    r.path = files[i].relative;
    break;
  }
  return r;
}

FileResult SaveDataFile(App& app, const std::string& relative, std::string bytes, bool durable) {
  return SaveDataFiles(app, {{relative, std::move(bytes)}}, durable);
}

FileRead<std::string> ReadDataFile(const App& app, const std::string& relative) {
  std::error_code error;
  auto bytes = ReadWholeFile(DataPath(app, relative), &error, DataFileLimit);
  if (bytes) return {{}, std::move(*bytes)};
  if (error == std::errc::no_such_file_or_directory) return {{FileResult::Missing, relative, {}}};
  if (error == std::errc::file_too_large) return {{FileResult::Malformed, relative, {}}};
  return {{FileResult::Failed, relative, error}};
}

FileRead<std::string> ReadDataFileLine(const App& app, const std::string& relative) {
  std::error_code error;
  auto bytes = ReadFileStart(DataPath(app, relative), DataLineLimit, &error);
  if (!bytes) {
    if (error == std::errc::no_such_file_or_directory) return {{FileResult::Missing, relative}};
    return {{FileResult::Failed, relative, error}};
  }
  const auto end = bytes->find('\n');
  if (end == std::string::npos && bytes->size() == DataLineLimit)
    return {{FileResult::Malformed, relative}};
  bytes->resize(std::min(end, bytes->size()));
  return {{}, std::move(*bytes)};
}

void RecoverDataFiles(App& app) {
  RecoverReplacedFiles(*app.disk, DataPath(app, DataFolder));
}
