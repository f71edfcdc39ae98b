#include "predict/expect_request.h"

void Expect_Click(App&, int) {}
void MakeExpect(App&) {}
