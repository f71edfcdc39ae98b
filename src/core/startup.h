#pragma once

class App;

// Load handler of the main window: reads both settings files and prepares the windows.
void Main_F_Load(App& app);
