#include "windows/dispatch.h"

#include "windows/app.h"
#include "windows/key_press.h"

namespace {

// A timer has no face on the screen: nothing can click or type into it, and its handler
// runs only on its ticks.
bool shown(App& app, FormId form, const Control& c) {
  const Form* f = app.forms.host(form).record();
  return f && f->visible() && c.owner() == f && c.visible() && c.kind() != Kind::Timer;
}

void close(App& app, FormId id, CloseMode mode) {
  FormHostBase& host = app.forms.host(id);
  if (!host.loaded()) return;
  if (host.onQueryUnload && host.onQueryUnload(app, mode)) return;
  host.unload(app);
  if (id == FormId::Main_F) app.ended = true;
}

DispatchResult key(App& app, FormId id, const std::string& name) {
  const FormHostBase& host = app.forms.host(id);
  const Form* f = host.record();
  if (!f || !f->visible()) return DispatchResult::NotShown;
  const std::optional<KeyPress> k = ParseKey(name);
  if (!k) return DispatchResult::Ignored;
  // Esc is the close box of a window that closes on it.
  if (host.closesOnEsc && *k == KeyPress{"Esc"}) {
    close(app, id, CloseMode::User);
    return DispatchResult::Done;
  }
  if (host.onKeyPress && host.onKeyPress(app, *k)) return DispatchResult::Done;
  return DispatchResult::Ignored;
}

DispatchResult run(App& app, const UserEvent& e) {
  switch (e.kind) {
    case EventKind::Click:
      if (!shown(app, e.form, *e.control)) return DispatchResult::NotShown;
      if (e.control->kind() == Kind::CheckBox) {
        auto& box = static_cast<CheckBox&>(*e.control);
        box.setValue(app, box.value() == 0 ? 1 : 0);
      } else {
        RunHandler(app, *e.control);
      }
      return DispatchResult::Done;
    case EventKind::Type:
      if (!shown(app, e.form, *e.control)) return DispatchResult::NotShown;
      if (e.control->kind() == Kind::TextBox) static_cast<TextBox&>(*e.control).setText(e.text);
      return DispatchResult::Done;
    case EventKind::Close:
      close(app, e.form, e.closeMode);
      return DispatchResult::Done;
    case EventKind::Tick: {
      auto& timer = static_cast<Timer&>(*e.control);
      if (timer.enabled() && timer.interval() != 0) RunHandler(app, timer);
      return DispatchResult::Done;
    }
    case EventKind::Key:
      return key(app, e.form, e.text);
  }
  return DispatchResult::Done;
}

}  // namespace

void RunHandler(App& app, Control& control) {
  // A handler may unload its own window, and the control with it.
  const Handler handler = control.onClick;
  if (handler) handler(app, control.index());
}

DispatchResult Dispatch(App& app, const UserEvent& e) {
  ++app.eventsRunning;
  const DispatchResult result = run(app, e);
  --app.eventsRunning;
  if (app.eventsRunning == 0 && app.afterEvent) app.afterEvent(app);
  return result;
}
