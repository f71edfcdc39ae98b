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
