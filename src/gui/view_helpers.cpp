#include "gui/view_helpers.h"

QLabel* Sunken(QLabel* l) {
  l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return l;
}

QLabel* Caption(const QString& text, Qt::Alignment align) {
  auto* l = new QLabel(text);
  l->setAlignment(align);
  return l;
}
