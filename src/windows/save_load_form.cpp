#include "windows/save_load_form.h"

#include "windows/forms.h"

SaveLoadForm::SaveLoadForm() : Form(FormId::Save_Load_F, "Save & Load") {
  for (int n = 1; n <= 5; ++n) {
    Label1(n).setCaption(" Data " + std::to_string(n));
    Save(n).setCaption("Save");
    Load(n).setCaption("Load");
  }
  Command1.setCaption("OK");
  Label2.setCaption("Date");
  Label3.setCaption("Comment");

  add("Label1", Label1);
  add("Date", Date);
  add("Comment", Comment);
  add("Save", Save);
  add("Load", Load);
  add("Command1", Command1);
  add("Label2", Label2);
  add("Label3", Label3);
}
