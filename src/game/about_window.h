#pragma once

class App;

// The help file opened at the About and Support topics.
void ShowAboutHelp(App& app);
void ShowSupportHelp(App& app);

// The About window: it names the system this copy runs on; OK closes it; however it
// closes, the status windows come back.
void Version_F_Load(App& app);
void Version_OK_Click(App& app, int);
void Version_Command1_Click(App& app, int);
void Version_Command2_Click(App& app, int);
void Version_F_Unload(App& app);
