#include "gui/log_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int RowHeight = 20;

template <class W>
W* sized(W* w, int width, int height = RowHeight) {
  w->setFixedSize(width, height);
  return w;
}

}  // namespace

LogView::LogView(FrontEnd& frontEnd, LogForm& f) : FormView(frontEnd, f) {
  auto* central = new QWidget;
  auto* outer = new QHBoxLayout(central);
  outer->setContentsMargins(8, 8, 8, 8);
  outer->setSpacing(14);

  // Column c holds rows 20c + 1 .. 20c + 20, top to bottom.
  auto* entries = new QGridLayout;
  entries->setHorizontalSpacing(2);
  entries->setVerticalSpacing(1);
  for (int i = 1; i <= 100; ++i) {
    const int column = (i - 1) / 20;
    const int row = (i - 1) % 20;
    ClickLabel* number = sized(label(f.Log_No(i)), 36);
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    number->setContentsMargins(0, 0, 4, 0);
    ClickLabel* entry = sized(label(f.Log(i)), 30);
    entry->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    entries->addWidget(number, row, column * 3);
    entries->addWidget(entry, row, column * 3 + 1);
    if (column < 4) entries->setColumnMinimumWidth(column * 3 + 2, 8);
  }
  outer->addLayout(entries);

  auto* side = new QVBoxLayout;
  side->setSpacing(8);
  auto* pages = new QHBoxLayout;
  pages->setSpacing(4);
  ClickLabel* page = sized(label(f.Page), 30);
  page->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  pages->addWidget(page);
  pages->addWidget(sized(label(f.Label1), 34));
  pages->addStretch(1);
  pages->addWidget(sized(button(f.Page_Back_B), 32, 24));
  pages->addWidget(sized(button(f.Page_Next_B), 32, 24));
  side->addLayout(pages);

  // 1..36 three to a line in table order, then "0" and "00", then "Red", then "Black".
  QGroupBox* search = frame(f.Frame1);
  auto* toggles = new QGridLayout(search);
  toggles->setHorizontalSpacing(3);
  toggles->setVerticalSpacing(3);
  for (int k = 1; k <= 36; ++k)
    toggles->addWidget(sized(label(f.Search(k)), 36), (k - 1) / 3, (k - 1) % 3);
  toggles->addWidget(sized(label(f.Search(37)), 36), 12, 0);
  toggles->addWidget(sized(label(f.Search(38)), 36), 12, 1);
  for (int k = 39; k <= 40; ++k) {
    ClickLabel* colour = label(f.Search(k));
    colour->setFixedHeight(RowHeight);
    toggles->addWidget(colour, k - 26, 0, 1, 3);
  }
  side->addWidget(search);
  side->addStretch(1);
  side->addWidget(sized(button(f.Clear_B), 120, 26), 0, Qt::AlignHCenter);
  outer->addLayout(side);

  window()->setCentralWidget(central);
  window()->setFixedSize(window()->sizeHint());
}
