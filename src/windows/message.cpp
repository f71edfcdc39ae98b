#include "windows/message.h"

#include "windows/app.h"

BoxAnswer MsgBox(App& app, const std::string& text, BoxIcon icon, BoxButtons buttons) {
  return app.services.dialogs->messageBox("00 Varnet", text, icon, buttons);
}

bool AskYesNo(App& app, const std::string& text) {
  return MsgBox(app, text, BoxIcon::Question, BoxButtons::YesNo) == BoxAnswer::Yes;
}

bool AskBeforeDiscarding(App& app, const std::string& text) {
  return MsgBox(app, text, BoxIcon::Question, BoxButtons::YesNoDefaultNo) == BoxAnswer::Yes;
}

void Beep(App& app) {
  app.services.dialogs->beep();
}

bool RefuseWhileAreaEditing(App& app) {
  if (app.vars.AreaEditing != 1) return false;
  MsgBox(app, "エリアセットを完了してください。", BoxIcon::Info);
  return true;
}
