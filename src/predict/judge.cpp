#include "predict/judge.h"

void JudgeExpect(App&) {}
