#include "gui/pictures.h"

#include <QPainter>
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
