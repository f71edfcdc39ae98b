#include "game/about_window.h"

#include "windows/app.h"
#include "windows/status_windows.h"

void ShowAboutHelp(App& app) {
  app.services.help->openTopic(3);
}

void ShowSupportHelp(App& app) {
  app.services.help->openTopic(17);
}

void Version_F_Load(App& app) {
  Version_F(app).Label1.setCaption(app.services.environment);
}

void Version_OK_Click(App& app, int) {
  app.forms.version.unload(app);
}

void Version_Command1_Click(App& app, int) {
  ShowAboutHelp(app);
}

void Version_Command2_Click(App& app, int) {
  ShowSupportHelp(app);
}

void Version_F_Unload(App& app) {
  RestoreStatusWindows(app);
}
