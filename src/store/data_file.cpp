#include "store/data_file.h"

#include "core/app.h"
#include "core/message.h"
#include "core/numeric.h"
#include "store/atomic_file.h"

std::filesystem::path DataPath(const App& app, const std::string& relative) {
  return app.folder / relative;
}

bool SaveDataFiles(App& app, const std::vector<DataFile>& files, bool sync) {
  std::vector<FileBytes> bytes;
  for (const DataFile& f : files) bytes.push_back({DataPath(app, f.relative), f.bytes});
  const std::size_t failed = ReplaceFiles(bytes, sync);
  if (failed == files.size()) return true;
  MsgBox(app, JoinLines({"ファイルに保存できませんでした。", files[failed].relative}),
         BoxIcon::Stop);
  return false;
}

bool SaveDataFile(App& app, const std::string& relative, const std::vector<Line>& lines,
                  bool sync) {
  return SaveDataFiles(app, {{relative, FormatDataFile(lines)}}, sync);
}

std::optional<std::vector<Line>> ReadDataFile(const App& app, const std::string& relative) {
  auto bytes = ReadWholeFile(DataPath(app, relative));
  if (!bytes) return std::nullopt;
  return ParseDataFile(*bytes);
}

void ShowReadFailure(App& app, const std::string& relative) {
  MsgBox(app, JoinLines({"ファイルを読み込めませんでした。", relative}), BoxIcon::Stop);
}
