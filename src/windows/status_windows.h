#pragma once

class App;

// Shows each status window whose check box on the main window is ticked and hides the
// others, without touching the check boxes.
void RestoreStatusWindows(App& app);

// Hides the four status windows; check boxes and flags stay as they are.
void HideStatusWindows(App& app);
