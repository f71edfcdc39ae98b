// Draws the program's icon for a desktop's icon theme: varnet_icons FOLDER NAME SIZE...
// writes FOLDER/hicolor/SIZExSIZE/apps/NAME.png for each size and
// FOLDER/hicolor/scalable/apps/NAME.svg. Run by the build; not installed.
#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <cstdio>

#include "gui/pictures.h"

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QSaveFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QByteArray png(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter g(&image);
  PaintProgramIcon(g, size);
  g.end();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  // The digits need fonts, which need an application, which needs no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() < 3) {
    std::fprintf(stderr, "usage: varnet_icons FOLDER NAME [SIZE...]\n");
    return 2;
  }
  const QString theme = args[1] + "/hicolor/";
  const QString name = args[2];
  for (int i = 3; i < args.size(); ++i) {
    const int size = args[i].toInt();
    const QString path = theme + QString("%1x%1/apps/").arg(size) + name + ".png";
    if (size <= 0 || !writeFile(path, png(size))) {
      std::fprintf(stderr, "varnet_icons: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  const QString svg = theme + "scalable/apps/" + name + ".svg";
  if (!writeFile(svg, ProgramIconSvg())) {
    std::fprintf(stderr, "varnet_icons: cannot write %s\n", qPrintable(svg));
    return 1;
  }
  return 0;
}
