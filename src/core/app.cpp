#include "core/app.h"

App::App(std::filesystem::path programFolder, Services s)
    : folder(std::move(programFolder)), services(s) {}

void StartProgram(App& app) {
  Main_F(app).setVisible(true);
}
