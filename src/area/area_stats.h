#pragma once

class App;
class Label;

// A cell of an area shows the dark colour of its number's class while the number belongs
// to the area, and the light colour otherwise.
void PaintAreaCell(Label& cell, int colourClass, bool member);

// Paints the saved areas and sets each area's count and base hit level.
void ShowAreaSet(App& app);

// Per-spin update of the area window for the number in CurrentIndex: hits, the "Hit"
// markers and the hit levels; then LastArea.
void UpdateAreaStats(App& app);
