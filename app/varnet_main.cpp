#include <QApplication>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "core/program_folders.h"
#include "gui/front_end.h"
#include "gui/pictures.h"

int main(int argc, char** argv) {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !platform) {
    std::fprintf(stderr,
                 "varnet: no display found. Start it on a desktop, or under a virtual display "
                 "such as xvfb-run.\n");
    return 1;
  }
  QApplication qt(argc, argv);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QApplication::setApplicationName("00 Varnet");
  QApplication::setWindowIcon(QIcon(ProgramIconPixmap()));
  // Ties the windows to the menu entry, so a desktop shows the entry's icon and name.
  QGuiApplication::setDesktopFileName(VARNET_APP_ID);
  // What Qt itself draws (a text box's menu) in the program's language, where Qt has it.
  QTranslator qtTexts;
  if (qtTexts.load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&qtTexts);
  const ProgramFolders folders = FindProgramFolders(ExecutableFolder());
  FrontEnd frontEnd(folders);
  if (!frontEnd.start()) return 1;
  return QApplication::exec();
}
