#include "gui/view_helpers.h"

QLabel* Sunken(QLabel* l) {
  l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return l;
}

QLabel* KeepsPlace(QLabel* l) {
  QSizePolicy policy = l->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  l->setSizePolicy(policy);
  return l;
}

QLabel* Caption(const QString& text, Qt::Alignment align) {
  auto* l = new QLabel(text);
  l->setAlignment(align);
  return l;
}
