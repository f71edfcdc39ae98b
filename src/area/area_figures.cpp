#include "area/area_figures.h"

#include "core/number_index.h"
#include "windows/controls.h"

void PaintAreaCell(Label& cell, int colourClass, bool member) {
  cell.setBack(member ? DarkColour(colourClass) : LightColour(colourClass));
}
