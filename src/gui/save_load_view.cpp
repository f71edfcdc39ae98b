#include "gui/save_load_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int RowHeight = 24;

template <class W>
W* sized(W* w, int width) {
  w->setFixedSize(width, RowHeight);
  return w;
}

}  // namespace

SaveLoadView::SaveLoadView(FrontEnd& frontEnd, SaveLoadForm& f) : FormView(frontEnd, f) {
  auto* central = new QWidget;
  auto* outer = new QVBoxLayout(central);
  outer->setContentsMargins(10, 10, 10, 10);
  outer->setSpacing(8);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(4);
  grid->addWidget(sized(label(f.Label2), 150), 0, 1);
  grid->addWidget(sized(label(f.Label3), 240), 0, 2);
  for (int n = 1; n <= 5; ++n) {
    QLabel* name = sized(label(f.Label1(n)), 60);
    name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(name, n, 0);
    QLabel* date = sized(label(f.Date(n)), 150);
    date->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    grid->addWidget(date, n, 1);
    QLineEdit* comment = sized(textBox(f.Comment(n), true), 240);
    comment->setAlignment(Qt::AlignLeft);
    grid->addWidget(comment, n, 2);
    grid->addWidget(sized(button(f.Save(n)), 56), n, 3);
    grid->addWidget(sized(button(f.Load(n)), 56), n, 4);
  }
  outer->addLayout(grid);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(sized(button(f.Command1), 80));
  outer->addLayout(bottom);

  window()->setCentralWidget(central);
  window()->setFixedSize(window()->sizeHint());
}
