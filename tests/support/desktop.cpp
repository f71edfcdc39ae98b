#include "desktop.h"

#include <QPushButton>
#include <QtTest>
#include <fstream>

#include "test_program.h"

namespace {

std::filesystem::path programFolder(const std::string& windowSettings) {
  auto folder = MakeProgramFolder();
  std::filesystem::copy(VARNET_ASSETS_DIR, folder, std::filesystem::copy_options::recursive);
  if (!windowSettings.empty()) {
    std::filesystem::create_directories(folder / "Data/Files");
    std::ofstream(folder / "Data/Files/USER.FIL", std::ios::binary) << "38,0,0\r\n";
    std::ofstream user2(folder / "Data/Files/USER2.FIL", std::ios::binary);
    user2 << windowSettings << "\r\n";
    for (int i = 0; i < 38; ++i) user2 << "0,0,0,0,0,0\r\n";
  }
  return folder;
}

}  // namespace

Desktop::Desktop(const std::string& windowSettings)
    : folder(programFolder(windowSettings)), frontEnd(folder) {
  frontEnd.start();
}

Desktop::~Desktop() {
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
}

QMainWindow* Desktop::window(FormId id) const {
  FormView* view = frontEnd.view(id);
  return view ? view->window() : nullptr;
}

void Desktop::spin(int index) {
  QTest::mouseClick(find<QPushButton>(FormId::Main_F, QString("Count_P(%1)").arg(index)),
                    Qt::LeftButton);
}
