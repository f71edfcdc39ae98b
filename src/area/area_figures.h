#pragma once

class Label;

// A cell of an area shows the dark colour of its number's class while the number belongs
// to the area, and the light colour otherwise.
void PaintAreaCell(Label& cell, int colourClass, bool member);
