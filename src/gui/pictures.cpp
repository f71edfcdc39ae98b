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

const QPixmap& ProgramIconPixmap() {
  static const QPixmap icon = [] {
    QPixmap p(32, 32);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0x60, 0x38, 0x10));
    g.drawEllipse(QRectF(0.5, 0.5, 31, 31));
    // Pockets alternate red and black, with the two zeros in green.
    for (int i = 0; i < 38; ++i) {
      const QColor c = i == 0 || i == 19 ? QColor(0x00, 0x80, 0x00)
                       : i % 2           ? QColor(0xC0, 0x00, 0x00)
                                         : QColor(0x10, 0x10, 0x10);
      g.setBrush(c);
      g.drawPie(QRectF(3, 3, 26, 26), i * 5760 / 38, 5760 / 38 + 1);
    }
    g.setBrush(QColor(0xE8, 0xC8, 0x60));
    g.drawEllipse(QRectF(10, 10, 12, 12));
    g.setPen(QColor(0x40, 0x20, 0x00));
    QFont f = g.font();
    f.setPixelSize(8);
    f.setBold(true);
    g.setFont(f);
    g.drawText(QRectF(10, 10, 12, 12), Qt::AlignCenter, "00");
    return p;
  }();
  return icon;
}
