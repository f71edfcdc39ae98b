#include "windows/total_form.h"

#include "windows/forms.h"

TotalForm::TotalForm() : Form(FormId::Total_F, "Total") {
  Expect_Hit.setText("0");
  Expect_Out.setText("0");
  Win_Rate.setText("0");
  Frame1.setCaption("Total  Status");
  Image1.setVisible(false);

  add("Expect_Hit", Expect_Hit);
  add("Expect_Out", Expect_Out);
  add("Win_Rate", Win_Rate);
  add("Frame1", Frame1);
  add("Status_L", Status_L);
  add("Image1", Image1);
}
