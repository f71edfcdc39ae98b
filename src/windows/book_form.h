#pragma once

#include "windows/form.h"

// The wheel book: the wheels with their spins, the sessions of the wheel picked in the
// list, and the commands on them. Lists show a page of rows at a time; a click on a row
// picks it.
class BookForm : public Form {
 public:
  BookForm();

  static constexpr int WheelRows = 6;
  static constexpr int SessionRows = 8;

  Frame Wheel_Frame;
  // Name and pockets; spins; first and last spin (UTC).
  IndexedArray<Label, 1, WheelRows> Wheel;
  IndexedArray<TextBox, 1, WheelRows> Wheel_Spins;
  IndexedArray<TextBox, 1, WheelRows> Wheel_First;
  IndexedArray<TextBox, 1, WheelRows> Wheel_Last;
  CommandButton Wheel_Up;
  CommandButton Wheel_Down;
  // The wheel spins are recorded on.
  Label Current;
  CommandButton Use_Wheel;
  // A name for a new wheel or for the picked one; a new wheel has the pockets of the 00
  // switch.
  TextBox Wheel_Name;
  CommandButton New_Wheel;
  CommandButton Rename_Wheel;
  CommandButton Export_Wheel;

  Frame Session_Frame;
  // Number and start; spins; last spin.
  IndexedArray<Label, 1, SessionRows> Session;
  IndexedArray<TextBox, 1, SessionRows> Session_Spins;
  IndexedArray<TextBox, 1, SessionRows> Session_Last;
  CommandButton Session_Up;
  CommandButton Session_Down;
  CommandButton Delete_Session;
  CommandButton Export_Session;

  CommandButton Close;
};
