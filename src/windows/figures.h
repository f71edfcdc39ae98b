#pragma once

class Label;
class TextBox;

// Counts and scores live only as texts: read the old value, add, write the sum back.
void AddTo(Label& figure, double amount);
void AddTo(TextBox& figure, double amount);
