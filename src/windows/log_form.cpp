#include "windows/log_form.h"

#include "core/number_index.h"
#include "windows/forms.h"

LogForm::LogForm() : Form(FormId::Log_F, "Log") {
  for (int i = 1; i <= 100; ++i) {
    Log_No(i).setCaption("0");
    Log(i).setFore(White);
  }
  Page.setCaption("1");
  Label1.setCaption("/ 50");
  Page_Back_B.setCaption("<");
  Page_Next_B.setCaption(">");
  Frame1.setCaption("Search");
  for (int k = 1; k <= 40; ++k) {
    Search(k).setCaption(k == 39 ? "Red" : k == 40 ? "Black" : NumberText(k - 1));
    Search(k).setBack(LightColour(ColourClassOf(k - 1)));
    Search(k).setFore(White);
  }
  Clear_B.setCaption("Clear");

  add("Log_No", Log_No);
  add("Log", Log);
  add("Page", Page);
  add("Label1", Label1);
  add("Page_Back_B", Page_Back_B);
  add("Page_Next_B", Page_Next_B);
  add("Frame1", Frame1);
  add("Search", Search);
  add("Clear_B", Clear_B);
}
