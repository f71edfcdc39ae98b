#pragma once

#include "windows/form.h"

// The six areas: their cells, statistics and the area prediction.
class AreaForm : public Form {
 public:
  AreaForm();

  MenuItem Area_Set;
  IndexedArray<Frame, 1, 6> Frame1;
  // AreaDeme(k)(i): cell i (number index i - 1) of area k; registered as Area1_Deme..Area6_Deme.
  IndexedArray<IndexedArray<Label, 1, 38>, 1, 6> AreaDeme;
  IndexedArray<Label, 1, 38> Deme;  // the pool of unplaced numbers during an edit
  IndexedArray<Label, 1, 6> Deme_C_L;
  CommandButton Set_B;
  Frame Area_Frame;
  IndexedArray<TextBox, 1, 6> Hit_C;
  IndexedArray<TextBox, 1, 6> Hit_Rate;
  IndexedArray<Label, 1, 6> Hit_Area_L;
  IndexedArray<TextBox, 1, 6> Expect_H;
  IndexedArray<TextBox, 1, 6> Expect_Hit_P;
  IndexedArray<PictureBox, 1, 6> Expect_Light;
  IndexedArray<Label, 1, 7> Status_L;
  IndexedArray<PictureBox, 1, 7> Image1;
  IndexedArray<TextBox, 1, 7> Expect_Hit;
  IndexedArray<TextBox, 1, 7> Expect_Out;
  IndexedArray<TextBox, 1, 7> Win_Rate;
};
