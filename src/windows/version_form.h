#pragma once

#include "windows/form.h"

// The About window; every text is fixed but Label1, the system this copy runs on.
class VersionForm : public Form {
 public:
  VersionForm();

  IndexedArray<Label, 0, 0> lblTitle;
  Label lblVersion;
  Label Label3;
  Label Label1;
  PictureBox picIcon;
  CommandButton OK;
  CommandButton Command1;
  CommandButton Command2;
};
