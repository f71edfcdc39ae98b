#include "windows/version_form.h"

#include "windows/forms.h"

VersionForm::VersionForm() : Form(FormId::Version_F, "Version") {
  lblTitle(0).setCaption("00 Varnet Solenn");
  lblVersion.setCaption("Ver 2.3");
  Label3.setCaption("動作環境");
  OK.setCaption("OK");
  Command1.setCaption("ヘルプ");
  Command2.setCaption("サポート");

  add("lblTitle", lblTitle);
  add("lblVersion", lblVersion);
  add("Label3", Label3);
  add("Label1", Label1);
  add("picIcon", picIcon);
  add("OK", OK);
  add("Command1", Command1);
  add("Command2", Command2);
}
