#include "windows/figures.h"

#include "core/numeric.h"
#include "windows/controls.h"

void AddTo(Label& figure, double amount) {
  figure.setCaption(Str(Val(figure.caption()) + amount));
}

void AddTo(TextBox& figure, double amount) {
  figure.setText(Str(Val(figure.text()) + amount));
}
