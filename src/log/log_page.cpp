#include "log/log_page.h"

void ShowLogPage(App&) {}
