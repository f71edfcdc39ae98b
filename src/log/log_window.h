#pragma once

class App;

// Handlers of the log window.
void Log_F_Load(App& app);
void Page_Back_B_Click(App& app, int);
void Page_Next_B_Click(App& app, int);
void Search_Click(App& app, int k);
// Shows page 1..50 as the page buttons would reach it, in one step.
void TurnLogPageTo(App& app, int page);
void Clear_B_Click(App& app, int);

// Reset: every search off, every entry 0, back on page 1, redrawn.
void EmptyLog(App& app);

// Every search toggle back to its light colour and off.
void ResetSearchToggles(App& app);
