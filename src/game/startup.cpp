#include "game/startup.h"

#include <cerrno>
#include <system_error>

#include "core/program_folders.h"
#include "game/book_record.h"
#include "game/recovery.h"
#include "game/window_handlers.h"
#include "game/zero_mode.h"
#include "stats/statistics_state.h"
#include "stats/wheel_tally.h"
#include "store/data_file.h"
#include "store/settings.h"
#include "windows/app.h"

namespace {

void showIfSet(App& app, CheckBox& box, Form& window, int flag) {
  window.setVisible(flag == 1);
  box.setValue(app, flag == 1 ? 1 : 0);
}

std::string unusableReason(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return "アクセス権がありません";
    case ENOTDIR:
      return "フォルダではありません";
    case ELOOP:
      return "リンクが循環しています";
    case ENOENT:
      return "フォルダがなく、作成もできません";
    case ENOLCK:
    case EOPNOTSUPP:
    case EINVAL:
    case EBADF:
      return "ロックできません";
    default:
      return std::generic_category().message(error);
  }
}

}  // namespace

std::string TakeProgramFolder(App& app) {
  const std::filesystem::path folder = DataFilesFolder(app.folder);
  // A folder that cannot be made shows below, where it cannot be opened.
  CreateDataFolder(app.folder);
  switch (app.folderLock.acquire(folder)) {
    case FolderLock::Outcome::Held:
      return {};
    case FolderLock::Outcome::Busy:
      return AlreadyRunningMessage;
    case FolderLock::Outcome::Unusable:
      break;
  }
  return "データフォルダを使えません (" + unusableReason(app.folderLock.error()) +
         "): " + folder.string();
}

std::string StartProgram(App& app) {
  if (std::string refusal = TakeProgramFolder(app); !refusal.empty()) return refusal;
  BindWindowHandlers(app.forms);
  // A save that a kill or power cut interrupted is put right before any file is read.
  RecoverDataFiles(app);
  Main_F(app).setVisible(true);
  OpenWheelBook(app);
  StatisticsStateOf(app).wheelTally = WheelBookTally;
  OfferRecoveredGame(app);
  // The book keeps its last changes for good once the recovery files hold them.
  app.afterEvent = [](App& a) {
    KeepRecoveryFiles(a);
    ConfirmBook(a);
  };
  return {};
}

void Main_F_Load(App& app) {
  auto& v = app.vars;
  LoadWindowSettings(app);
  LoadUserSettings(app);
  v.LogPage = 1;
  Black_or_Red_F(app).setVisible(true);
  Area_F(app).setVisible(true);
  Point_F(app).setVisible(true);

  MainForm& m = Main_F(app);
  showIfSet(app, m.OR, Black_or_Red_F(app), v.OrWindowOn);
  showIfSet(app, m.Area, Area_F(app), v.AreaWindowOn);
  showIfSet(app, m.Point_C, Point_F(app), v.PointWindowOn);
  showIfSet(app, m.Total_C, Total_F(app), v.TotalWindowOn);

  m.Zero_Check.setChecked(v.PocketCount == 38);
  if (v.PocketCount != 38) SetRow37Visible(m, false);

  m.BGM_Check.setChecked(v.SoundOn == 1);
  m.Expect_On.setChecked(v.ExpectCheckOn == 1);
  m.Quick_Expect.setChecked(v.QuickExpectOn == 1);

  m.Front_Check.setChecked(v.MainFront != 0);
  m.Free_Check.setChecked(v.MainFront == 0);
  m.setTopmost(v.MainFront != 0);
}
