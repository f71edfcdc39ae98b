#include "gui/total_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/pictures.h"
#include "gui/screen_fit.h"
#include "gui/view_helpers.h"

TotalView::TotalView(FrontEnd& frontEnd, TotalForm& t) : FormView(frontEnd, t) {
  auto* central = new QWidget;
  auto* outer = new QVBoxLayout(central);
  outer->setContentsMargins(6, 6, 6, 6);

  QGroupBox* status = frame(t.Frame1);
  auto* inside = new QGridLayout(status);
  inside->setHorizontalSpacing(6);
  int row = 0;
  for (auto [title, box] :
       {std::pair{"予想ﾋｯﾄ", &t.Expect_Hit}, std::pair{"予想ｱｳﾄ", &t.Expect_Out},
        std::pair{"勝  率", &t.Win_Rate}}) {
    inside->addWidget(Caption(QString::fromUtf8(title), Qt::AlignLeft | Qt::AlignVCenter), row, 0);
    inside->addWidget(Sized(textBox(*box), 64), row, 1);
    ++row;
  }
  inside->addWidget(KeepsPlace(picture(t.Image1, HitPixmap().size(), &HitPixmap())), 0, 2, 3, 1);
  inside->addWidget(Sunken(Sized(label(t.Status_L), 200, 24)), row, 0, 1, 3);
  outer->addWidget(status);

  window()->setCentralWidget(central);
  FitToScreen(window());
}
