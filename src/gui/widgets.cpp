#include "gui/widgets.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

void ClickLabel::setMarked(bool marked) {
  if (marked_ == marked) return;
  marked_ = marked;
  update();
}

void ClickLabel::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) emit clicked();
  QLabel::mousePressEvent(e);
}

void ClickLabel::paintEvent(QPaintEvent* e) {
  QLabel::paintEvent(e);
  if (!marked_) return;
  // Yellow stands out on every result colour: red, black, green and blue.
  QPainter p(this);
  p.setPen(QPen(QColor(0xFF, 0xE0, 0x00), 2));
  p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void TextBoxEdit::showText(const QString& text) {
  if (this->text() == text) return;
  setText(text);
  if (isReadOnly() || !hasFocus()) home(false);
}

void TextBoxEdit::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  // A context menu takes the focus for a moment only; the edit goes on.
  if (e->reason() != Qt::PopupFocusReason) home(false);
}

void FormWindow::closeEvent(QCloseEvent* e) {
  e->ignore();
  emit closeRequested();
}

void FormWindow::keyPressEvent(QKeyEvent* e) {
  if (keyPressed && keyPressed(*e))
    e->accept();
  else
    QMainWindow::keyPressEvent(e);
}
