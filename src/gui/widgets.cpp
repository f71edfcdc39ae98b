#include "gui/widgets.h"

#include <QCloseEvent>
#include <QMouseEvent>

void ClickLabel::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) emit clicked();
  QLabel::mousePressEvent(e);
}

void FormWindow::closeEvent(QCloseEvent* e) {
  e->ignore();
  emit closeRequested();
}
