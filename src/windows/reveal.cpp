#include "windows/reveal.h"

void StartReveal(App&) {}
void Play_Timer(App&, int) {}
