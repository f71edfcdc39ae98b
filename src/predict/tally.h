#pragma once

class TextBox;

// Hit and miss tallies live as texts: each update reads the text back as a number, adds,
// and writes the sum in its shortest form (1.05 + 1.05 + 1.05 is written "3.15").
void AddToTally(TextBox& tally, double amount);
