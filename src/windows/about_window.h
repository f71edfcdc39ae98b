#pragma once

class App;

// The About window.
void Version_OK_Click(App& app, int);
void Version_Command1_Click(App& app, int);
void Version_Command2_Click(App& app, int);
void Version_F_Unload(App& app);
