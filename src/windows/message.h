#pragma once

#include <string>

#include "core/services.h"

class App;

// A message box titled "00 Varnet".
BoxAnswer MsgBox(App& app, const std::string& text, BoxIcon icon,
                 BoxButtons buttons = BoxButtons::Ok);

// Yes/No question; true when the user answers Yes.
bool AskYesNo(App& app, const std::string& text);
// The question before data is discarded, with No as the default button.
bool AskBeforeDiscarding(App& app, const std::string& text);

void Beep(App& app);

// While the areas are being edited most commands only say so. Returns true when the
// command must stop.
bool RefuseWhileAreaEditing(App& app);
