#pragma once

#include "windows/form.h"

// The five save slots.
class SaveLoadForm : public Form {
 public:
  SaveLoadForm();

  IndexedArray<Label, 1, 5> Label1;
  IndexedArray<Label, 1, 5> Date;
  IndexedArray<TextBox, 1, 5> Comment;
  IndexedArray<CommandButton, 1, 5> Save;
  IndexedArray<CommandButton, 1, 5> Load;
  CommandButton Command1;
  Label Label2;
  Label Label3;
};
