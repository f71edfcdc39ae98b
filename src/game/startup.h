#pragma once

class App;

// Starts the program as a user launching it would: every window is bound to its handlers,
// files left by an interrupted save are put right, then the main window loads and shows.
void StartProgram(App& app);

// Load handler of the main window: reads both settings files and prepares the windows.
void Main_F_Load(App& app);
