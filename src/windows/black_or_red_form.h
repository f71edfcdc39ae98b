#pragma once

#include "windows/form.h"

// Red and black counts and the colour prediction.
class BlackOrRedForm : public Form {
 public:
  BlackOrRedForm();

  TextBox Red_Hit, Black_Hit;
  TextBox Red_Deme_Rate, Black_Deme_Rate;
  TextBox Hit_Hantei_Red, Hit_Hantei_Black;
  PictureBox Red_Light, Black_Light;
  TextBox Expect_Red_Hit, Expect_Red_Out;
  TextBox Expect_Black_Hit, Expect_Black_Out;
  TextBox Red_Win_Rate, Black_Win_Rate;
  TextBox Hit_T, Out_T, Win_Rate;
  Frame Frame1;
  Label B_OR_R_L;
  PictureBox Image1;
};
