#pragma once

class App;

// Paints the saved areas and sets each area's count and base hit level.
void ShowAreaSet(App& app);

// Per-spin update of the area window for the number in CurrentIndex: hits, the "Hit"
// markers and the hit levels; then LastArea.
void UpdateAreaStats(App& app);
