#include "core/undo.h"

void Count_M_Click(App&, int) {}
