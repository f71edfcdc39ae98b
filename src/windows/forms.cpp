#include "windows/forms.h"

#include "windows/app.h"

Form& FormHostBase::load(App& app) {
  if (Form* f = record()) return *f;
  create();
  ++generation_;
  if (onLoad) onLoad(app);
  return *record();
}

void FormHostBase::unload(App& app) {
  if (!loaded()) return;
  if (onUnload) onUnload(app);
  destroy();
  ++generation_;
}

FormHostBase& Forms::host(FormId id) {
  switch (id) {
#define VARNET_HOST_CASE(name, Record, member) \
  case FormId::name:                           \
    return member;
    VARNET_WINDOWS(VARNET_HOST_CASE)
#undef VARNET_HOST_CASE
  }
  return main;
}

#define VARNET_FORM_ACCESSOR(name, Record, member) \
  Record& name(App& app) {                         \
    return app.forms.member.get(app);              \
  }
VARNET_WINDOWS(VARNET_FORM_ACCESSOR)
#undef VARNET_FORM_ACCESSOR
