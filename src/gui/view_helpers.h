#pragma once

#include <QLabel>
#include <QString>

// Rows of the windows' grids are this many pixels high.
inline constexpr int RowHeight = 18;

template <class W>
W* Sized(W* w, int width, int height = RowHeight) {
  w->setFixedSize(width, height);
  return w;
}

// A cell of fixed width whose height gives way, down to `minHeight`, in a short window.
template <class W>
W* Shrinks(W* w, int width, int minHeight, int height = RowHeight) {
  w->setFixedWidth(width);
  w->setMinimumHeight(minHeight);
  w->setMaximumHeight(height);
  QSizePolicy policy = w->sizePolicy();
  policy.setVerticalPolicy(QSizePolicy::Preferred);
  w->setSizePolicy(policy);
  return w;
}

// Lights, lamps and strip cells are drawn sunken so that they show while empty.
QLabel* Sunken(QLabel* l);

// A widget that comes and goes keeps its place while hidden, so nothing else moves and a
// fixed-size window has room for it.
template <class W>
W* KeepsPlace(W* w) {
  QSizePolicy policy = w->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  w->setSizePolicy(policy);
  return w;
}

// A caption drawn beside the controls that no program state changes ("HC", "勝  率").
QLabel* Caption(const QString& text, Qt::Alignment align = Qt::AlignCenter);
