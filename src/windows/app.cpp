#include "windows/app.h"

App::App(std::filesystem::path programFolder, Services s)
    : folder(std::move(programFolder)), services(s) {}
