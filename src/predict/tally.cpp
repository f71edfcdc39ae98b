#include "predict/tally.h"

#include "core/numeric.h"
#include "windows/controls.h"

void AddToTally(TextBox& tally, double amount) {
  tally.setText(Str(Val(tally.text()) + amount));
}
