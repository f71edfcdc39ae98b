#include "windows/point_form.h"

#include "core/number_index.h"
#include "windows/forms.h"

PointForm::PointForm() : Form(FormId::Point_F, "Point") {
  for (int n = 1; n <= 36; ++n) {
    Deme(n).setCaption(std::to_string(n));
    Deme(n).setBack(DarkColour(ColourClassOf(n - 1)));
    Deme(n).setFore(White);
    Hit_Count(n).setText("0");
    Zenkai_H(n).setText("0");
    Point_One(n).setText("0");
    Point_Total(n).setText("0");
    Expect_H(n).setText("0");
  }
  Limit_C.setCaption("10");
  Ex_Limit.setCaption("10");
  UP_1.setCaption(">");
  Down_1.setCaption("<");
  Mode.setCaption("Mode");
  Mode1.setCaption("よくでる Mode");
  Mode1.setChecked(true);
  Mode2.setCaption("もうでる Mode");
  Frame1.setCaption("Point  Status");
  Image1.setVisible(false);
  Hit_T.setText("0");
  Out_T.setText("0");
  Win_Rate.setText("0");

  add("Deme", Deme);
  add("Hit_Count", Hit_Count);
  add("Zenkai_H", Zenkai_H);
  add("Point_One", Point_One);
  add("Point_Total", Point_Total);
  add("Expect_H", Expect_H);
  add("Expect_Light", Expect_Light);
  add("Limit_C", Limit_C);
  add("Ex_Limit", Ex_Limit);
  add("UP_1", UP_1);
  add("Down_1", Down_1);
  add("Mode", Mode);
  add("Mode1", Mode1);
  add("Mode2", Mode2);
  add("Frame1", Frame1);
  add("Status_L", Status_L);
  add("Image1", Image1);
  add("Hit_T", Hit_T);
  add("Out_T", Out_T);
  add("Win_Rate", Win_Rate);
}
