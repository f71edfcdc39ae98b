#pragma once

#include "windows/form.h"

// The spin log, 100 entries a page, with the search toggles.
class LogForm : public Form {
 public:
  LogForm();

  IndexedArray<Label, 1, 100> Log_No;
  IndexedArray<Label, 1, 100> Log;
  Label Page;
  Label Label1;
  CommandButton Page_Back_B;
  CommandButton Page_Next_B;
  Frame Frame1;
  // Toggles 1..38 stand for number index k - 1; 39 is "Red", 40 "Black".
  IndexedArray<Label, 1, 40> Search;
  CommandButton Clear_B;
};
