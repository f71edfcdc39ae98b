#pragma once

class App;
class CheckBox;

// The main window's check boxes that show and hide the four status windows; each plays
// the window sound, records its flag and rewrites USER2.FIL.
void OR_Click(App& app, int);
void Area_Click(App& app, int);
void Point_C_Click(App& app, int);
void Total_C_Click(App& app, int);

// Shows each status window whose check box is ticked and hides the others, without
// touching the check boxes.
void RestoreStatusWindows(App& app);

// Clears a status-window check box (running its handler when it was ticked) and its flag.
void UntickStatusBox(App& app, CheckBox& box, int& flag);

// Hides the four status windows; check boxes and flags stay as they are.
void HideStatusWindows(App& app);
