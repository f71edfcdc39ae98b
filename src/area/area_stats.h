#pragma once

class App;

// Per-spin update of the area window for the number in CurrentIndex: hits, the "Hit"
// markers and the hit levels; then LastArea.
void UpdateAreaStats(App& app);
