#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "../support/desktop.h"

// The real message boxes, answered from the keyboard.

namespace {

struct SeenBox {
  QString text;
  QStringList buttons;
  QString defaultButton;
};

// Presses `key` in the next message box once it shows, where the keyboard sends it, and
// tells what the box showed.
std::shared_ptr<SeenBox> pressInNextBox(Qt::Key key) {
  auto seen = std::make_shared<SeenBox>();
  QTimer::singleShot(0, [seen, key] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    seen->text = box->text();
    for (QAbstractButton* b : box->buttons()) seen->buttons << b->text();
    if (box->defaultButton()) seen->defaultButton = box->defaultButton()->text();
    QWidget* focus = box->focusWidget();
    QTest::keyClick(focus ? focus : box, key);
  });
  return seen;
}

const QString Yes = QString::fromUtf8("はい");
const QString No = QString::fromUtf8("いいえ");

QString total(Desktop& d) {
  return d.find<QLineEdit>(FormId::Main_F, "Total")->text();
}

}  // namespace

class QuestionsTest : public QObject {
  Q_OBJECT

 private slots:
  void aQuestionThatDiscardsDataKeepsItOnEnterAndOnEsc() {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
      Desktop d("0,1,0,0,0,1,1,10");
      // The areas can be set anew only on an empty game.
      auto seen = pressInNextBox(key);
      d.find<QAction>(FormId::Area_F, "Area_Set")->trigger();
      QCOMPARE(seen->defaultButton, No);
      QCOMPARE(d.app().vars.AreaEditing, 0);

      d.spin(3);
      d.spin(7);
      seen = pressInNextBox(key);
      d.find<QAction>(FormId::Main_F, "Clear")->trigger();
      QCOMPARE(seen->text, QString::fromUtf8("現在のデータをクリアしますか?"));
      QCOMPARE(seen->defaultButton, No);
      QCOMPARE(total(d), QString("2"));

      seen = pressInNextBox(key);
      d.find<QAction>(FormId::Main_F, "Exit")->trigger();
      QCOMPARE(seen->text, QString::fromUtf8("データは保存されていません。よろしいですか?"));
      QVERIFY(!d.app().ended);

      d.find<QAction>(FormId::Main_F, "Save_Load")->trigger();
      seen = pressInNextBox(key);
      QTest::mouseClick(d.find<QPushButton>(FormId::Save_Load_F, "Save(2)"), Qt::LeftButton);
      QCOMPARE(seen->defaultButton, No);
      QVERIFY(!std::filesystem::exists(d.folder / "Data/Files/Save2.FIL"));

      d.answer(BoxAnswer::Yes);
      QTest::mouseClick(d.find<QPushButton>(FormId::Save_Load_F, "Save(1)"), Qt::LeftButton);
      QTest::mouseClick(d.find<QPushButton>(FormId::Save_Load_F, "Command1"), Qt::LeftButton);
      d.spin(9);
      d.find<QAction>(FormId::Main_F, "Save_Load")->trigger();
      seen = pressInNextBox(key);
      QTest::mouseClick(d.find<QPushButton>(FormId::Save_Load_F, "Load(1)"), Qt::LeftButton);
      QCOMPARE(seen->defaultButton, No);
      QCOMPARE(total(d), QString("3"));
    }
  }

  void otherQuestionsKeepYesAsTheirDefaultAndEveryButtonIsInJapanese() {
    // Expect Check on: after a round without a prediction, a spin asks first.
    Desktop d("0,0,0,0,1,1,1,10");
    for (int spin = 0; spin < 38; ++spin) d.spin(spin);
    auto seen = pressInNextBox(Qt::Key_Return);
    d.spin(4);
    QCOMPARE(seen->text.left(8), QString::fromUtf8("予想されていませ"));
    QCOMPARE(seen->buttons.size(), 2);
    QVERIFY(seen->buttons.contains(Yes) && seen->buttons.contains(No));
    QCOMPARE(seen->defaultButton, Yes);
    QCOMPARE(total(d), QString("39"));

    seen = pressInNextBox(Qt::Key_Escape);
    d.spin(4);
    QCOMPARE(total(d), QString("39"));

    seen = pressInNextBox(Qt::Key_Return);
    d.find<QAction>(FormId::Main_F, "Zero_Check")->trigger();
    QCOMPARE(seen->buttons, QStringList{"OK"});
  }
};

QTEST_MAIN(QuestionsTest)
#include "questions_test.moc"
