#include "predict/black_or_red_strategy.h"

void Black_or_Red_F_Load(App&) {}
void BlackOrRedExpectStep(App&) {}
void BlackOrRedJudgeStep(App&, bool) {}
