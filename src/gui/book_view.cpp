#include "gui/book_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/screen_fit.h"
#include "gui/view_helpers.h"

namespace {

constexpr int Row = 22;
constexpr int NameWidth = 220;
constexpr int CountWidth = 70;
constexpr int TimeWidth = 140;

// Page buttons beside a list.
QVBoxLayout* pageButtons(QPushButton* up, QPushButton* down) {
  auto* column = new QVBoxLayout;
  column->addWidget(Sized(up, 28, Row));
  column->addStretch(1);
  column->addWidget(Sized(down, 28, Row));
  return column;
}

}  // namespace

BookView::BookView(FrontEnd& frontEnd, BookForm& f) : FormView(frontEnd, f) {
  auto* central = new QWidget;
  auto* outer = new QVBoxLayout(central);
  outer->setContentsMargins(10, 10, 10, 10);
  outer->setSpacing(8);

  QGroupBox* wheels = frame(f.Wheel_Frame);
  auto* wheelBox = new QVBoxLayout(wheels);
  auto* wheelList = new QHBoxLayout;
  auto* wheelGrid = new QGridLayout;
  wheelGrid->setSpacing(2);
  for (int r = 1; r <= BookForm::WheelRows; ++r) {
    QLabel* name = Sized(label(f.Wheel(r)), NameWidth, Row);
    name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    name->setCursor(Qt::PointingHandCursor);
    wheelGrid->addWidget(name, r, 0);
    wheelGrid->addWidget(Sized(textBox(f.Wheel_Spins(r)), CountWidth, Row), r, 1);
    wheelGrid->addWidget(Sized(textBox(f.Wheel_First(r)), TimeWidth, Row), r, 2);
    wheelGrid->addWidget(Sized(textBox(f.Wheel_Last(r)), TimeWidth, Row), r, 3);
  }
  wheelList->addLayout(wheelGrid);
  wheelList->addLayout(pageButtons(button(f.Wheel_Up), button(f.Wheel_Down)));
  wheelBox->addLayout(wheelList);

  auto* current = new QHBoxLayout;
  QLabel* currentName = label(f.Current);
  currentName->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  current->addWidget(currentName, 1);
  current->addWidget(button(f.Use_Wheel));
  current->addWidget(button(f.Export_Wheel));
  wheelBox->addLayout(current);

  auto* naming = new QHBoxLayout;
  QLineEdit* name = Sized(textBox(f.Wheel_Name, true), NameWidth, Row);
  name->setAlignment(Qt::AlignLeft);
  naming->addWidget(name);
  naming->addWidget(button(f.New_Wheel));
  naming->addWidget(button(f.Rename_Wheel));
  naming->addStretch(1);
  wheelBox->addLayout(naming);
  outer->addWidget(wheels);

  QGroupBox* sessions = frame(f.Session_Frame);
  auto* sessionBox = new QVBoxLayout(sessions);
  auto* sessionList = new QHBoxLayout;
  auto* sessionGrid = new QGridLayout;
  sessionGrid->setSpacing(2);
  for (int r = 1; r <= BookForm::SessionRows; ++r) {
    QLabel* start = Sized(label(f.Session(r)), NameWidth, Row);
    start->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    start->setCursor(Qt::PointingHandCursor);
    sessionGrid->addWidget(start, r, 0);
    sessionGrid->addWidget(Sized(textBox(f.Session_Spins(r)), CountWidth, Row), r, 1);
    sessionGrid->addWidget(Sized(textBox(f.Session_Last(r)), TimeWidth, Row), r, 2);
  }
  sessionList->addLayout(sessionGrid);
  sessionList->addStretch(1);
  sessionList->addLayout(pageButtons(button(f.Session_Up), button(f.Session_Down)));
  sessionBox->addLayout(sessionList);
  auto* sessionCommands = new QHBoxLayout;
  sessionCommands->addStretch(1);
  sessionCommands->addWidget(button(f.Delete_Session));
  sessionCommands->addWidget(button(f.Export_Session));
  sessionBox->addLayout(sessionCommands);
  outer->addWidget(sessions);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(Sized(button(f.Close), 90, Row + 4));
  outer->addLayout(bottom);

  window()->setCentralWidget(central);
  FitToScreen(window());
}
