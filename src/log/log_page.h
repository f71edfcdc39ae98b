#pragma once

class App;

// Redraws the 100 rows of the log window's current page.
void ShowLogPage(App& app);

// Redraws the row of entry n if the current page shows it: a new entry changes no other.
void ShowLogEntry(App& app, int n);
