#pragma once

#include "windows/form.h"

// Per-number points and the Point prediction; columns indexed by the number 1..36.
class PointForm : public Form {
 public:
  PointForm();

  IndexedArray<Label, 1, 36> Deme;
  IndexedArray<TextBox, 1, 36> Hit_Count;
  IndexedArray<TextBox, 1, 36> Zenkai_H;
  IndexedArray<TextBox, 1, 36> Point_One;
  IndexedArray<TextBox, 1, 36> Point_Total;
  IndexedArray<TextBox, 1, 36> Expect_H;
  IndexedArray<PictureBox, 1, 36> Expect_Light;
  Label Limit_C;
  Label Ex_Limit;
  CommandButton UP_1;
  CommandButton Down_1;
  MenuItem Mode;
  MenuItem Mode1;
  MenuItem Mode2;
  Frame Frame1;
  Label Status_L;
  PictureBox Image1;
  TextBox Hit_T;
  TextBox Out_T;
  TextBox Win_Rate;
};
