#pragma once

class App;

// Redraws the 100 rows of the log window's current page.
void ShowLogPage(App& app);
