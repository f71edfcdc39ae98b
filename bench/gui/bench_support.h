#pragma once

#include <QCoreApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// A fresh program folder with sound off and, when given, the window settings file.
inline std::filesystem::path MakeBenchFolder(const std::string& windowSettings = {}) {
  std::string pattern = (std::filesystem::temp_directory_path() / "varnet-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) std::abort();
  const std::filesystem::path folder = pattern;
  std::filesystem::create_directories(folder / "Data/Files");
  std::ofstream(folder / "Data/Files/USER.FIL", std::ios::binary) << "38,0,0\r\n";
  if (!windowSettings.empty())
    std::ofstream(folder / "Data/Files/USER2.FIL", std::ios::binary) << windowSettings;
  return folder;
}

// Lets Qt lay out and paint what the last event changed.
inline void Settle() {
  QCoreApplication::processEvents();
}
