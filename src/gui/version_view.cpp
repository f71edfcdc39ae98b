#include "gui/version_view.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/program_folders.h"
#include "gui/front_end.h"
#include "gui/pictures.h"
#include "gui/screen_fit.h"

VersionView::VersionView(FrontEnd& frontEnd, VersionForm& v) : FormView(frontEnd, v) {
  auto* central = new QWidget;
  auto* outer = new QVBoxLayout(central);
  outer->setContentsMargins(14, 14, 14, 14);
  outer->setSpacing(8);

  auto* head = new QHBoxLayout;
  head->addWidget(picture(v.picIcon, QSize(40, 40), &ProgramIconPixmap()));
  auto* titles = new QVBoxLayout;
  QLabel* title = label(v.lblTitle(0));
  QFont big = title->font();
  big.setPointSize(big.pointSize() + 6);
  big.setBold(true);
  title->setFont(big);
  title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  titles->addWidget(title);
  QLabel* version = label(v.lblVersion);
  version->setAlignment(Qt::AlignLeft);
  titles->addWidget(version);
  head->addLayout(titles, 1);
  outer->addLayout(head);

  // Line1(1): a rule under the title.
  auto* line = new QFrame;
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  outer->addWidget(line);

  QLabel* heading = label(v.Label3);
  heading->setAlignment(Qt::AlignLeft);
  outer->addWidget(heading);
  QLabel* requirements = label(v.Label1);
  requirements->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  requirements->setIndent(16);
  outer->addWidget(requirements);

  // Where this copy keeps the settings and saved games, in a field the user can copy from
  // (a path may be longer than the window is wide).
  auto* dataHeading = new QLabel("データの保存先");
  dataHeading->setAlignment(Qt::AlignLeft);
  outer->addWidget(dataHeading);
  auto* dataFolder =
      new QLineEdit(QString::fromStdString(DataFilesFolder(frontEnd.app().folder).string()));
  dataFolder->setObjectName("dataFolder");
  dataFolder->setReadOnly(true);
  dataFolder->setFrame(false);
  dataFolder->setCursorPosition(0);
  dataFolder->setToolTip(dataFolder->text());
  outer->addWidget(dataFolder);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (CommandButton* b : {&v.OK, &v.Command1, &v.Command2}) {
    QPushButton* w = button(*b);
    w->setMinimumWidth(86);
    buttons->addWidget(w);
  }
  outer->addLayout(buttons);

  window()->setCentralWidget(central);
  central->setFixedWidth(380);
  FitToScreen(window());
}
