#pragma once

class MainForm;

// Row 37 ("00") of the main window is hidden while the 00 pocket is off.
void SetRow37Visible(MainForm& m, bool visible);
