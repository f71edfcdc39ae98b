#pragma once

#include "windows/forms.h"

class App;

// Commands of the main window that open windows or change a setting.
void Log_B_Click(App& app, int);
void Save_Load_Click(App& app, int);
void Version_Click(App& app, int);
void BGM_Check_Click(App& app, int);
void Front_Check_Click(App& app, int);
void Free_Check_Click(App& app, int);
void Expect_On_Click(App& app, int);
void Quick_Expect_Click(App& app, int);
// Marks the layout the player chose; the desktop program arranges its windows by the mark.
void One_Window_Click(App& app, int);
void Separate_Windows_Click(App& app, int);
void Help_Click(App& app, int);
void Exit_Click(App& app, int);

// The main window is asked to close; true cancels the close.
bool Main_F_QueryUnload(App& app, CloseMode mode);

// A status window's close box does what clearing its check box on the main window does.
bool Area_F_QueryUnload(App& app, CloseMode mode);
bool Point_F_QueryUnload(App& app, CloseMode mode);
bool Black_or_Red_F_QueryUnload(App& app, CloseMode mode);
bool Total_F_QueryUnload(App& app, CloseMode mode);
