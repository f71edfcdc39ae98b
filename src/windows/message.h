#pragma once

#include <string>

#include "core/file_result.h"
#include "core/services.h"

class App;

// A message box titled "00 Varnet".
BoxAnswer MsgBox(App& app, const std::string& text, BoxIcon icon,
                 BoxButtons buttons = BoxButtons::Ok);

// Yes/No question; true when the user answers Yes.
bool AskYesNo(App& app, const std::string& text);
// The question before data is discarded, with No as the default button.
bool AskBeforeDiscarding(App& app, const std::string& text);
// A Yes/No/Cancel question, with Cancel as the default button.
BoxAnswer AskYesNoCancel(App& app, const std::string& text);

void Beep(App& app);

// The stop box for a file that could not be read, or written, with the file's name on a
// second line; nothing when the read or write was done, which gives true.
bool ReportRead(App& app, const FileResult& r);
bool ReportWrite(App& app, const FileResult& r);

// While the areas are being edited most commands only say so. Returns true when the
// command must stop.
bool RefuseWhileAreaEditing(App& app);
