#include "windows/message.h"

#include "core/numeric.h"
#include "windows/app.h"

namespace {

bool report(App& app, const FileResult& r, const char* what) {
  if (r.done()) return true;
  MsgBox(app, JoinLines({what, r.path}), BoxIcon::Stop);
  return false;
}

}  // namespace

BoxAnswer MsgBox(App& app, const std::string& text, BoxIcon icon, BoxButtons buttons) {
  return app.services.dialogs->messageBox("00 Varnet", text, icon, buttons);
}

bool AskYesNo(App& app, const std::string& text) {
  return MsgBox(app, text, BoxIcon::Question, BoxButtons::YesNo) == BoxAnswer::Yes;
}

bool AskBeforeDiscarding(App& app, const std::string& text) {
  return MsgBox(app, text, BoxIcon::Question, BoxButtons::YesNoDefaultNo) == BoxAnswer::Yes;
}

BoxAnswer AskYesNoCancel(App& app, const std::string& text) {
  return MsgBox(app, text, BoxIcon::Question, BoxButtons::YesNoCancel);
}

void Beep(App& app) {
  app.services.dialogs->beep();
}

bool ReportRead(App& app, const FileResult& r) {
  return report(app, r, "ファイルを読み込めませんでした。");
}

bool ReportWrite(App& app, const FileResult& r) {
  return report(app, r, "ファイルに保存できませんでした。");
}

bool RefuseWhileAreaEditing(App& app) {
  if (app.vars.AreaEditing != 1) return false;
  MsgBox(app, "エリアセットを完了してください。", BoxIcon::Info);
  return true;
}
