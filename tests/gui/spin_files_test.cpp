#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <fstream>

#include "../support/desktop.h"

class SpinFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void fileMenuHoldsTheWheelBookExportAndImport() {
    Desktop d("0,0,0,0,0,1,1,10");
    QMenu* file = d.main()->menuBar()->actions().constFirst()->menu();
    QVERIFY(file);
    QStringList texts;
    // Without the Alt-letter mark and the shortcut shown beside an item.
    for (QAction* a : file->actions()) texts << a->text().remove('&').section('\t', 0, 0);
    QCOMPARE(texts, QStringList(
                        {"Save_Load", "Clear", "", "ホイール帳…", "エクスポート…", "インポート…"}));
  }

  // The progress box of an import; its Cancel button stops the import between two spins,
  // and the windows show the spins recorded so far. The box shows and takes the click at
  // its first spins, however fast the machine is.
  void anImportShowsItsProgressAndStopsAtCancel() {
    Desktop d("0,0,0,0,0,1,1,10");
    d.frontEnd.services().progressShowAfterMs = 0;
    d.frontEnd.services().progressUpdateEveryMs = 0;
    constexpr long Spins = 1000;
    const auto path = d.folder / "long.txt";
    {
      std::ofstream out(path, std::ios::binary);
      for (long k = 0; k < Spins; ++k) out << (k % 36 + 1) << "\r\n";
    }
    d.frontEnd.services().scriptedFiles.push_back(path.string());
    d.answer(BoxAnswer::Ok);  // the closing box

    bool shown = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* progress = qobject_cast<QProgressDialog*>(w);
        if (!progress || !progress->isVisible()) continue;
        shown = true;
        poll.stop();
        QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
      }
    });
    poll.start(0);
    d.find<QAction>(FormId::Main_F, "Import_Spins")->trigger();
    QVERIFY(shown);

    const std::string total = Main_F(d.app()).Total.text();
    QVERIFY(std::stol(total) > 0 && std::stol(total) < Spins);
    QCOMPARE(d.find<QLineEdit>(FormId::Main_F, "Total")->text().toStdString(), total);
    const std::string& box = d.frontEnd.services().shownTexts.back();
    QVERIFY(box.starts_with("インポートを中止しました。\n\r1000 回のうち " + total + " 回"));
    const int last = std::stoi(total);
    QCOMPARE(d.app().vars.SpinLog(last), (last - 1) % 36 + 1);
    QCOMPARE(d.app().vars.Unsaved, 1);
  }
};

QTEST_MAIN(SpinFilesTest)
#include "spin_files_test.moc"
