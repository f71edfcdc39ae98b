#include "area/area_figures.h"

#include "core/number_index.h"
#include "core/numeric.h"
#include "windows/controls.h"

void PaintAreaCell(Label& cell, int colourClass, bool member) {
  cell.setBack(member ? DarkColour(colourClass) : LightColour(colourClass));
}

void AddTo(Label& figure, double amount) {
  figure.setCaption(Str(Val(figure.caption()) + amount));
}

void AddTo(TextBox& figure, double amount) {
  figure.setText(Str(Val(figure.text()) + amount));
}
