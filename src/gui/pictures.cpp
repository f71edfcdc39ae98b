#include "gui/pictures.h"

#include <cmath>
#include <numbers>

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

const QPixmap& LampPixmap() {
  static const QPixmap lamp = [] {
    QPixmap p(13, 13);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(5, 5), 7);
    glow.setColorAt(0, QColor(255, 255, 210));
    glow.setColorAt(0.5, QColor(255, 200, 0));
    glow.setColorAt(1, QColor(190, 90, 0));
    g.setBrush(glow);
    g.setPen(QColor(120, 60, 0));
    g.drawEllipse(QRectF(0.5, 0.5, 12, 12));
    return p;
  }();
  return lamp;
}

const QPixmap& HitPixmap() {
  static const QPixmap hit = [] {
    QPixmap p(62, 71);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    // A five-pointed star above a short ribbon.
    const QPointF centre(31, 30);
    QPainterPath star;
    for (int point = 0; point < 10; ++point) {
      const double radius = point % 2 == 0 ? 28 : 11.5;
      const double angle = -std::numbers::pi / 2 + point * std::numbers::pi / 5;
      const QPointF at = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
      if (point == 0)
        star.moveTo(at);
      else
        star.lineTo(at);
    }
    star.closeSubpath();
    QPolygonF ribbon;
    ribbon << QPointF(20, 50) << QPointF(42, 50) << QPointF(46, 70) << QPointF(31, 63)
           << QPointF(16, 70);
    g.setPen(QPen(QColor(150, 20, 20), 1.2));
    g.setBrush(QColor(210, 30, 30));
    g.drawPolygon(ribbon);
    QRadialGradient gold(QPointF(26, 22), 30);
    gold.setColorAt(0, QColor(255, 250, 200));
    gold.setColorAt(0.45, QColor(255, 210, 40));
    gold.setColorAt(1, QColor(200, 120, 0));
    g.setBrush(gold);
    g.setPen(QPen(QColor(130, 70, 0), 1.5));
    g.drawPath(star);
    return p;
  }();
  return hit;
}

namespace {

// The program's icon on a 32-unit square: a wooden rim, 38 pockets that alternate red and
// black with the two zeros in green, and a gold hub that reads "00". The pictures and the
// scalable drawing are both made from these figures.
const QColor IconRim(0x60, 0x38, 0x10);
const QColor IconHub(0xE8, 0xC8, 0x60);
const QColor IconText(0x40, 0x20, 0x00);
const QRectF IconRimBox(0.5, 0.5, 31, 31);
const QRectF IconPocketBox(3, 3, 26, 26);
const QRectF IconHubBox(10, 10, 12, 12);
constexpr int IconPockets = 38;
constexpr int IconTextSize = 8;

QColor iconPocket(int i) {
  return i == 0 || i == IconPockets / 2 ? QColor(0x00, 0x80, 0x00)
         : i % 2                        ? QColor(0xC0, 0x00, 0x00)
                                        : QColor(0x10, 0x10, 0x10);
}

// Pockets in sixteenths of a degree, counterclockwise from three o'clock as QPainter counts;
// each one a sixteenth wider, so that no seam shows between neighbours.
int iconPocketStart(int i) {
  return i * 5760 / IconPockets;
}
constexpr int IconPocketSpan = 5760 / IconPockets + 1;

}  // namespace

void PaintProgramIcon(QPainter& g, int size) {
  g.save();
  g.scale(size / 32.0, size / 32.0);
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(Qt::NoPen);
  g.setBrush(IconRim);
  g.drawEllipse(IconRimBox);
  for (int i = 0; i < IconPockets; ++i) {
    g.setBrush(iconPocket(i));
    g.drawPie(IconPocketBox, iconPocketStart(i), IconPocketSpan);
  }
  g.setBrush(IconHub);
  g.drawEllipse(IconHubBox);
  g.setPen(IconText);
  QFont f = g.font();
  f.setPixelSize(IconTextSize);
  f.setBold(true);
  g.setFont(f);
  g.drawText(IconHubBox, Qt::AlignCenter, "00");
  g.restore();
}

QByteArray ProgramIconSvg() {
  const auto number = [](double v) { return QString::number(v, 'f', 3); };
  const auto circle = [&](const QRectF& box, const QColor& fill) {
    return QString("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
        .arg(number(box.center().x()), number(box.center().y()), number(box.width() / 2),
             fill.name());
  };
  const QPointF c = IconPocketBox.center();
  const double r = IconPocketBox.width() / 2;
  // A point of the pocket ring at an angle as QPainter counts it; y grows downwards.
  const auto ringPoint = [&](int sixteenths) {
    const double a = sixteenths / 16.0 * std::numbers::pi / 180;
    return number(c.x() + r * std::cos(a)) + "," + number(c.y() - r * std::sin(a));
  };
  QString svg =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" "
      "viewBox=\"0 0 32 32\">\n";
  svg += circle(IconRimBox, IconRim);
  for (int i = 0; i < IconPockets; ++i) {
    const int start = iconPocketStart(i);
    // Sweep flag 0: counterclockwise on the screen, as QPainter draws a pie.
    svg += QString("<path d=\"M%1,%2 L%3 A%4,%4 0 0 0 %5 Z\" fill=\"%6\"/>\n")
               .arg(number(c.x()), number(c.y()), ringPoint(start), number(r),
                    ringPoint(start + IconPocketSpan), iconPocket(i).name());
  }
  svg += circle(IconHubBox, IconHub);
  // A baseline a little below the hub's centre puts the middle of the digits on it.
  svg += QString(
             "<text x=\"%1\" y=\"%2\" font-family=\"sans-serif\" font-weight=\"bold\" "
             "font-size=\"%3\" text-anchor=\"middle\" fill=\"%4\">00</text>\n")
             .arg(number(c.x()), number(c.y() + IconTextSize * 0.36), QString::number(IconTextSize),
                  IconText.name());
  svg += "</svg>\n";
  return svg.toUtf8();
}

const QPixmap& ProgramIconPixmap() {
  static const QPixmap icon = [] {
    QPixmap p(32, 32);
    p.fill(Qt::transparent);
    QPainter g(&p);
    PaintProgramIcon(g, 32);
    return p;
  }();
  return icon;
}
