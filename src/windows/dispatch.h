#pragma once

#include <string>

#include "windows/forms.h"

class App;

enum class EventKind { Click, Type, Close, Tick, Key };

// A user event as a front end sees it: a click, typed text, a close box, a timer tick or
// a key pressed on a window.
struct UserEvent {
  EventKind kind = EventKind::Click;
  FormId form = FormId::Main_F;
  Control* control = nullptr;  // not used by Close and Key
  // Type: the text typed. Key: the key's name, as ParseKey reads it ("7", "Ctrl+Z").
  std::string text;
  CloseMode closeMode = CloseMode::User;  // Close only
};

// Ignored: a key the window has no use for, which the front end may use itself.
enum class DispatchResult { Done, NotShown, Ignored };

// The one way user events reach the handlers, for every front end. A click or typed text
// needs the control and its window to be loaded and visible, a key its window. When the
// event is done, and no other is still under way, the program's afterEvent runs.
DispatchResult Dispatch(App& app, const UserEvent& event);

// Runs a control's click or tick handler; check boxes call it when code changes them.
void RunHandler(App& app, Control& control);
