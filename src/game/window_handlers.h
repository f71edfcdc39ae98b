#pragma once

struct Forms;

// The one place that binds every window's events (clicks, ticks, load, close, unload) to
// their handlers. Dispatch then runs them; the window records name no handler themselves.
void BindWindowHandlers(Forms& forms);
