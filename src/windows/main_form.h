#pragma once

#include "windows/form.h"

// The start-up window: one row per pocket, totals above, the recent-results strip beside.
// The main window's title; the current wheel's name follows it.
inline constexpr char MainTitle[] = "00 Varnet Solenn";

class MainForm : public Form {
 public:
  MainForm();

  IndexedArray<Label, 0, 37> Deme;
  // Hit_Level(k)(i): light k (1 lowest) of row i; registered as Hit_Level_1..Hit_Level_10.
  IndexedArray<IndexedArray<PictureBox, 0, 37>, 1, 10> Hit_Level;
  IndexedArray<CommandButton, 0, 37> Count_P;
  IndexedArray<CommandButton, 0, 37> Count_M;
  IndexedArray<TextBox, 0, 37> Hit_Count;
  IndexedArray<TextBox, 0, 37> Rate;
  TextBox Total;
  TextBox Round_T;
  TextBox Red;
  TextBox Black;
  IndexedArray<Label, 0, 24> Log;
  PictureBox Light_P;
  Timer Play;
  CommandButton Expect;
  CheckBox OR;
  CheckBox Area;
  CheckBox Point_C;
  CheckBox Total_C;
  CommandButton Log_B;
  Label Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label34, Label35;

  MenuItem File;
  MenuItem Save_Load;
  MenuItem Clear;
  MenuItem Export_Spins;
  MenuItem Import_Spins;
  MenuItem Book;
  MenuItem Setting;
  MenuItem BGM_Check;
  MenuItem separator;
  MenuItem Front_Check;
  MenuItem Free_Check;
  MenuItem separator2;
  MenuItem Expect_On;
  MenuItem Quick_Expect;
  MenuItem Zero_Check;
  // The layout of the desktop program: the status windows as panels of this window, or as
  // windows of their own. Marks only; the desktop program keeps the choice.
  MenuItem One_Window;
  MenuItem Separate_Windows;
  MenuItem Help;
  MenuItem Version;
  MenuItem Exit;
  MenuItem Stats;

  // The digits typed on the window, until Enter records them as a spin.
  TextBox Key_Entry;
  // The number text of the row marked as the last recorded spin; empty for none.
  Label Last_Spin;
};
