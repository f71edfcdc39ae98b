#include "gui/widgets.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QMouseEvent>

void ClickLabel::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) emit clicked();
  QLabel::mousePressEvent(e);
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
