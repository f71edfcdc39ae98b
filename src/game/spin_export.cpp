#include "game/spin_export.h"

#include "log/log_store.h"
#include "store/data_file.h"
#include "store/file_group.h"
#include "store/spin_file.h"
#include "windows/app.h"
#include "windows/message.h"

namespace {

// "varnet-spins-2024-05-01.csv" from the clock's "2024/05/01 21:30:00".
std::string suggestedName(App& app) {
  const std::string now = app.services.clock->generalDate();
  std::string date = now.substr(0, 10);
  bool isDate = date.size() == 10;
  for (std::size_t k = 0; isDate && k < date.size(); ++k) {
    if (k == 4 || k == 7)
      isDate = date[k] == '/';
    else
      isDate = date[k] >= '0' && date[k] <= '9';
  }
  if (!isDate) return "varnet-spins.csv";
  date[4] = date[7] = '-';
  return "varnet-spins-" + date + ".csv";
}

}  // namespace

void Export_Spins_Click(App& app, int) {
  const std::vector<int> spins = LoggedSpins(app);
  if (spins.empty()) {
    MsgBox(app, "エクスポートするスピンがありません。", BoxIcon::Info);
    return;
  }
  const auto path = app.services.files->chooseFile(FileDialogKind::Save, "スピンのエクスポート",
                                                   suggestedName(app));
  if (!path) return;
  // An export cut short by a kill leaves its temporary file beside the target, where no
  // start looks; the next export there removes it. The data folder is the start's own.
  const std::filesystem::path target(*path);
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  std::error_code ec;
  if (!std::filesystem::equivalent(folder, DataPath(app, DataFolder), ec))
    RemoveStaleTemporaries(*app.disk, folder);
  // One rename puts the whole file in place: an old file of that name stays whole until
  // then, and stays as it was when anything fails.
  ReportWrite(app, ReplaceFiles(*app.disk, {{*path, SpinCsvBytes(spins)}}, false));
}
