#include "windows/black_or_red_form.h"

#include "windows/forms.h"

BlackOrRedForm::BlackOrRedForm() : Form(FormId::Black_or_Red_F, "Black or Red") {
  for (TextBox* t : {&Red_Hit, &Black_Hit, &Red_Deme_Rate, &Black_Deme_Rate, &Hit_Hantei_Red,
                     &Hit_Hantei_Black, &Expect_Red_Hit, &Expect_Red_Out, &Expect_Black_Hit,
                     &Expect_Black_Out, &Red_Win_Rate, &Black_Win_Rate, &Hit_T, &Out_T, &Win_Rate})
    t->setText("0");
  Frame1.setCaption("Black or Red  Status");
  Image1.setVisible(false);

  add("Red_Hit", Red_Hit);
  add("Black_Hit", Black_Hit);
  add("Red_Deme_Rate", Red_Deme_Rate);
  add("Black_Deme_Rate", Black_Deme_Rate);
  add("Hit_Hantei_Red", Hit_Hantei_Red);
  add("Hit_Hantei_Black", Hit_Hantei_Black);
  add("Red_Light", Red_Light);
  add("Black_Light", Black_Light);
  add("Expect_Red_Hit", Expect_Red_Hit);
  add("Expect_Red_Out", Expect_Red_Out);
  add("Expect_Black_Hit", Expect_Black_Hit);
  add("Expect_Black_Out", Expect_Black_Out);
  add("Red_Win_Rate", Red_Win_Rate);
  add("Black_Win_Rate", Black_Win_Rate);
  add("Hit_T", Hit_T);
  add("Out_T", Out_T);
  add("Win_Rate", Win_Rate);
  add("Frame1", Frame1);
  add("B_OR_R_L", B_OR_R_L);
  add("Image1", Image1);
}
