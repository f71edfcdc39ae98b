#pragma once

class App;
class CheckBox;

// The main window's check boxes that show and hide the four status windows; each plays
// the window sound, records its flag and rewrites USER2.FIL.
void OR_Click(App& app, int);
void Area_Click(App& app, int);
void Point_C_Click(App& app, int);
void Total_C_Click(App& app, int);

// Clears a status-window check box (running its handler when it was ticked) and its flag.
void UntickStatusBox(App& app, CheckBox& box, int& flag);
