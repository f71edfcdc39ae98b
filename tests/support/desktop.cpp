#include "desktop.h"

#include <QPushButton>
#include <QtTest>
#include <cstdlib>
#include <fstream>

TestFolder::TestFolder() : path_(dir_.path().toStdString()) {
  if (!dir_.isValid()) std::abort();
}

void WriteWindowSettings(const std::filesystem::path& folder, const std::string& firstLine) {
  std::filesystem::create_directories(folder / "Data/Files");
  std::ofstream user2(folder / "Data/Files/USER2.FIL", std::ios::binary);
  user2 << firstLine << "\r\n";
  for (int i = 0; i < 38; ++i) user2 << "0,0,0,0,0,0\r\n";
}

namespace {

// What ships beside the program, and with `windowSettings` sound off.
const std::filesystem::path& layProgram(const std::filesystem::path& folder,
                                        const std::string& windowSettings) {
  std::filesystem::copy(VARNET_ASSETS_DIR, folder, std::filesystem::copy_options::recursive);
  if (!windowSettings.empty()) {
    WriteWindowSettings(folder, windowSettings);
    std::ofstream(folder / "Data/Files/USER.FIL", std::ios::binary) << "38,0,0\r\n";
  }
  return folder;
}

}  // namespace

Desktop::Desktop(const std::string& windowSettings)
    : frontEnd(layProgram(home.path(), windowSettings)) {
  // No desktop test looks at what outlasts a power cut.
  app().disk = std::make_unique<Disk>(Disk::Syncs::Skip);
  frontEnd.start();
}

QMainWindow* Desktop::window(FormId id) const {
  FormView* view = frontEnd.view(id);
  return view ? view->window() : nullptr;
}

void Desktop::spin(int index) {
  QTest::mouseClick(find<QPushButton>(FormId::Main_F, QString("Count_P(%1)").arg(index)),
                    Qt::LeftButton);
}
