#pragma once

#include "windows/form.h"

// The overall prediction tallies of all strategies.
class TotalForm : public Form {
 public:
  TotalForm();

  TextBox Expect_Hit;
  TextBox Expect_Out;
  TextBox Win_Rate;
  Frame Frame1;
  Label Status_L;
  PictureBox Image1;
};
