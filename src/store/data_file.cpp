#include "store/data_file.h"

#include "core/numeric.h"
#include "store/file_group.h"
#include "windows/app.h"
#include "windows/message.h"

namespace {

const char* const DataFolder = "Data/Files";

}  // namespace

std::filesystem::path DataPath(const App& app, const std::string& relative) {
  return app.folder / relative;
}

bool SaveDataFiles(App& app, const std::vector<DataFile>& files, bool durable) {
  std::vector<FileBytes> bytes;
  for (const DataFile& f : files) bytes.push_back({DataPath(app, f.relative), f.bytes});
  const std::size_t failed = ReplaceFiles(*app.disk, bytes, durable);
  if (failed == files.size()) return true;
  ShowWriteFailure(app, files[failed].relative);
  return false;
}

bool SaveDataFile(App& app, const std::string& relative, std::string bytes, bool durable) {
  return SaveDataFiles(app, {{relative, std::move(bytes)}}, durable);
}

std::optional<std::string> ReadDataFile(const App& app, const std::string& relative) {
  return ReadWholeFile(DataPath(app, relative));
}

void ShowReadFailure(App& app, const std::string& relative) {
  MsgBox(app, JoinLines({"ファイルを読み込めませんでした。", relative}), BoxIcon::Stop);
}

void ShowWriteFailure(App& app, const std::string& relative) {
  MsgBox(app, JoinLines({"ファイルに保存できませんでした。", relative}), BoxIcon::Stop);
}

void RecoverDataFiles(App& app) {
  RecoverReplacedFiles(*app.disk, DataPath(app, DataFolder));
}
