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

const QPixmap& HitPixmap() {
  static const QPixmap hit = [] {
    QPixmap p(62, 71);
    p.fill(QColor(255, 230, 80));
    QPainter g(&p);
    g.setPen(QColor(200, 0, 0));
    QFont f = g.font();
    f.setBold(true);
    f.setPixelSize(18);
    g.setFont(f);
    g.drawText(p.rect(), Qt::AlignCenter, "HIT");
    return p;
  }();
  return hit;
}
