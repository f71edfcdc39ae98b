#pragma once

class App;

// Handlers of the log window.
void Log_F_Load(App& app);
void Page_Back_B_Click(App& app, int);
void Page_Next_B_Click(App& app, int);
void Search_Click(App& app, int k);
void Clear_B_Click(App& app, int);
