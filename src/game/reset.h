#pragma once

class App;

// File -> Clear: empties the game, the log and the status windows.
void Clear_Click(App& app, int);
// What Clear does once the player has said yes.
void ClearGame(App& app);

// The "00" item: switches the 00 pocket on or off on an empty game.
void Zero_Check_Click(App& app, int);
