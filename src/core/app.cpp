#include "core/app.h"

#include "store/data_file.h"

App::App(std::filesystem::path programFolder, Services s)
    : folder(std::move(programFolder)), services(s) {}

void StartProgram(App& app) {
  // A save that a kill or power cut interrupted is put right before any file is read.
  RecoverDataFiles(app);
  Main_F(app).setVisible(true);
}
