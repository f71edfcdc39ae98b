#include "store/data_file.h"

#include "core/app.h"
#include "core/message.h"
#include "core/numeric.h"
#include "store/atomic_file.h"

std::filesystem::path DataPath(const App& app, const std::string& relative) {
  return app.folder / relative;
}

bool SaveDataFile(App& app, const std::string& relative, const std::vector<Line>& lines,
                  bool sync) {
  if (ReplaceFile(DataPath(app, relative), FormatDataFile(lines), sync)) return true;
  MsgBox(app, JoinLines({"ファイルに保存できませんでした。", relative}), BoxIcon::Stop);
  return false;
}

std::optional<std::vector<Line>> ReadDataFile(const App& app, const std::string& relative) {
  auto bytes = ReadWholeFile(DataPath(app, relative));
  if (!bytes) return std::nullopt;
  return ParseDataFile(*bytes);
}

void ShowReadFailure(App& app, const std::string& relative) {
  MsgBox(app, JoinLines({"ファイルを読み込めませんでした。", relative}), BoxIcon::Stop);
}
