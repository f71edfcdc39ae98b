#pragma once

class Label;
class TextBox;

// A cell of an area shows the dark colour of its number's class while the number belongs
// to the area, and the light colour otherwise.
void PaintAreaCell(Label& cell, int colourClass, bool member);

// Counts and scores live only as texts: read the old value, add, write the sum back.
void AddTo(Label& figure, double amount);
void AddTo(TextBox& figure, double amount);
