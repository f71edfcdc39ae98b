#pragma once

class App;

// The save-slot window.
void Save_Load_F_Load(App& app);
void Save_Click(App& app, int n);
void Load_Click(App& app, int n);
void Save_Load_Command1_Click(App& app, int);
void Save_Load_F_Unload(App& app);
