#pragma once

#include <string>

#include "windows/forms.h"

class App;

enum class EventKind { Click, Type, Close, Tick };

// A user event as a front end sees it: a click, typed text, a close box or a timer tick.
struct UserEvent {
  EventKind kind = EventKind::Click;
  FormId form = FormId::Main_F;
  Control* control = nullptr;             // not used by Close
  std::string text;                       // Type only
  CloseMode closeMode = CloseMode::User;  // Close only
};

enum class DispatchResult { Done, NotShown };

// The one way user events reach the handlers, for every front end. A click or typed text
// needs the control and its window to be loaded and visible. When the event is done, and
// no other is still under way, the program's afterEvent runs.
DispatchResult Dispatch(App& app, const UserEvent& event);

// Runs a control's click or tick handler; check boxes call it when code changes them.
void RunHandler(App& app, Control& control);
