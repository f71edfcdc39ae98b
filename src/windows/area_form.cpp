#include "windows/area_form.h"

#include "core/number_index.h"
#include "windows/forms.h"

AreaForm::AreaForm() : Form(FormId::Area_F, "Area") {
  Area_Set.setCaption("Area Set");
  for (int k = 1; k <= 6; ++k) {
    Frame1(k).setCaption("Area " + std::to_string(k));
    for (int i = 1; i <= 38; ++i) {
      Label& cell = AreaDeme(k)(i);
      cell.setCaption(NumberText(i - 1));
      cell.setBack(LightColour(ColourClassOf(i - 1)));
      cell.setFore(White);
    }
    Deme_C_L(k).setCaption("0");
    Hit_C(k).setText("0");
    Hit_Rate(k).setText("0");
    Hit_Area_L(k).setCaption("Hit");
    Hit_Area_L(k).setBack(Colour::rgb(0xFF8000));
    Hit_Area_L(k).setFore(White);
    Hit_Area_L(k).setVisible(false);
    Expect_H(k).setText("0");
    Expect_H(k).setVisible(false);
    Expect_Hit_P(k).setText("0");
    Expect_Hit_P(k).setVisible(false);
  }
  for (int i = 1; i <= 38; ++i) {
    Deme(i).setCaption(NumberText(i - 1));
    Deme(i).setBack(DarkColour(ColourClassOf(i - 1)));
    Deme(i).setFore(White);
    Deme(i).setVisible(false);
  }
  Set_B.setCaption("Area  Setting  Save");
  Set_B.setVisible(false);
  Area_Frame.setCaption("Area  Status");
  for (int k = 1; k <= 7; ++k) {
    Image1(k).setVisible(false);
    Expect_Hit(k).setText("0");
    Expect_Out(k).setText("0");
    Win_Rate(k).setText("0");
  }

  add("Area_Set", Area_Set);
  add("Frame1", Frame1);
  for (int k = 1; k <= 6; ++k) add("Area" + std::to_string(k) + "_Deme", AreaDeme(k));
  add("Deme", Deme);
  add("Deme_C_L", Deme_C_L);
  add("Set_B", Set_B);
  add("Area_Frame", Area_Frame);
  add("Hit_C", Hit_C);
  add("Hit_Rate", Hit_Rate);
  add("Hit_Area_L", Hit_Area_L);
  add("Expect_H", Expect_H);
  add("Expect_Hit_P", Expect_Hit_P);
  add("Expect_Light", Expect_Light);
  add("Status_L", Status_L);
  add("Image1", Image1);
  add("Expect_Hit", Expect_Hit);
  add("Expect_Out", Expect_Out);
  add("Win_Rate", Win_Rate);
}
