#include "gui/qt_services.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSoundEffect>
#include <QSysInfo>
#include <QTextBrowser>
#include <QUrl>

#include "gui/stacking.h"

struct QtServices::Dialogs_ : Dialogs {
  explicit Dialogs_(QtServices& s) : s(s) {}
  BoxAnswer messageBox(const std::string& title, const std::string& text, BoxIcon icon,
                       BoxButtons buttons) override {
    s.shownTexts.push_back(text);
    if (!s.scriptedAnswers.empty()) {
      const BoxAnswer a = s.scriptedAnswers.front();
      s.scriptedAnswers.pop_front();
      return a;
    }
    if (s.beforeModal) s.beforeModal();
    // Lines are joined with LF CR; Qt breaks at the LF and must not see the CR.
    QString body = QString::fromStdString(text);
    body.remove(QChar('\r'));
    const bool yesNo = buttons != BoxButtons::Ok;
    const bool cancel = buttons == BoxButtons::YesNoCancel;
    QMessageBox::StandardButtons offered = QMessageBox::Ok;
    if (yesNo) offered = QMessageBox::Yes | QMessageBox::No;
    if (cancel) offered |= QMessageBox::Cancel;
    QMessageBox box(icon == BoxIcon::Info       ? QMessageBox::Information
                    : icon == BoxIcon::Question ? QMessageBox::Question
                                                : QMessageBox::Critical,
                    QString::fromStdString(title), body, offered, s.boxParent());
    // The program speaks Japanese, so do its buttons, with or without Qt's translations.
    if (yesNo) {
      box.button(QMessageBox::Yes)->setText(QString::fromUtf8("はい"));
      box.button(QMessageBox::No)->setText(QString::fromUtf8("いいえ"));
      const QMessageBox::StandardButton safe = cancel ? QMessageBox::Cancel : QMessageBox::No;
      box.setDefaultButton(buttons == BoxButtons::YesNo ? QMessageBox::Yes : safe);
      box.setEscapeButton(safe);
    }
    if (cancel) box.button(QMessageBox::Cancel)->setText(QString::fromUtf8("キャンセル"));
    KeepAboveStatusWindows(box, box.parentWidget());
    const int r = box.exec();
    if (!yesNo) return BoxAnswer::Ok;
    if (r == QMessageBox::Yes) return BoxAnswer::Yes;
    return r == QMessageBox::No ? BoxAnswer::No : BoxAnswer::Cancel;
  }
  void beep() override { QApplication::beep(); }
  QtServices& s;
};

struct QtServices::Sound_ : Sound {
  explicit Sound_(std::filesystem::path folder) : folder(std::move(folder)) {}
  void play(const std::string& path) override {
    auto& effect = effects[path];
    if (!effect) {
      effect = std::make_unique<QSoundEffect>();
      effect->setSource(QUrl::fromLocalFile(QString::fromStdString((folder / path).string())));
    }
    effect->play();
  }
  std::filesystem::path folder;
  std::map<std::string, std::unique_ptr<QSoundEffect>> effects;
};

struct QtServices::Help_ : Help {
  Help_(std::filesystem::path folder, std::function<QWidget*()>& mainWindow)
      : folder(std::move(folder)), mainWindow(mainWindow) {}
  void openContents() override { open(QString()); }
  void openTopic(int topic) override { open(QString("topic%1").arg(topic)); }
  void open(const QString& anchor) {
    if (!browser) {
      browser = std::make_unique<QTextBrowser>();
      browser->setWindowTitle("00 Varnet Help");
      browser->resize(640, 520);
      KeepAboveStatusWindows(*browser, mainWindow ? mainWindow() : nullptr);
    }
    QUrl url =
        QUrl::fromLocalFile(QString::fromStdString((folder / "00 VARNET HELP.html").string()));
    if (!anchor.isEmpty()) url.setFragment(anchor);
    browser->setSource(url);
    browser->show();
    BringForward(*browser);
  }
  std::filesystem::path folder;
  std::function<QWidget*()>& mainWindow;
  std::unique_ptr<QTextBrowser> browser;
};

struct QtServices::Clock_ : Clock {
  std::string generalDate() override {
    return QDateTime::currentDateTime().toString("yyyy/MM/dd HH:mm:ss").toStdString();
  }
};

struct QtServices::Files_ : FileDialogs {
  explicit Files_(QtServices& s) : s(s) {}
  std::optional<std::string> chooseFile(FileDialogKind kind, const std::string& title,
                                        const std::string& suggestedName) override {
    if (!s.scriptedFiles.empty()) {
      std::string path = std::move(s.scriptedFiles.front());
      s.scriptedFiles.pop_front();
      if (path.empty()) return std::nullopt;
      return path;
    }
    if (s.beforeModal) s.beforeModal();
    const bool save = kind == FileDialogKind::Save;
    QFileDialog dialog(s.boxParent(), QString::fromStdString(title), folder);
    KeepAboveStatusWindows(dialog, dialog.parentWidget());
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QString all = QString::fromUtf8("すべてのファイル (*)");
    if (save) {
      dialog.setNameFilters({"CSV (*.csv)", all});
      dialog.setDefaultSuffix("csv");
      dialog.selectFile(QString::fromStdString(suggestedName));
    } else {
      dialog.setNameFilters({QString::fromUtf8("スピンの記録 (*.csv *.txt)"), all});
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString file = dialog.selectedFiles().constFirst();
    folder = QFileInfo(file).absolutePath();
    return QFile::encodeName(file).toStdString();
  }
  QtServices& s;
  // The next dialog opens where the last one was left.
  QString folder = QDir::homePath();
};

struct QtServices::Progress_ : Progress {
  explicit Progress_(QtServices& s) : s(s) {}
  void begin(const std::string& text, long total) override {
    total_ = total;
    dialog = std::make_unique<QProgressDialog>(
        QString::fromStdString(text), QString::fromUtf8("中止"), 0, steps(total), s.boxParent());
    dialog->setWindowTitle("00 Varnet");
    KeepAboveStatusWindows(*dialog, dialog->parentWidget());
    dialog->setWindowModality(Qt::ApplicationModal);
    // Short work ends before the box would show.
    dialog->setMinimumDuration(s.progressShowAfterMs);
    dialog->setAutoReset(false);
    dialog->setAutoClose(false);
    dialog->setValue(0);
    sinceUpdate.start();
  }
  // Giving the box its value lets Qt handle input, often enough to answer a click at once.
  bool advance(long done) override {
    if (done < total_ && sinceUpdate.elapsed() < s.progressUpdateEveryMs)
      return !dialog->wasCanceled();
    sinceUpdate.restart();
    dialog->setValue(steps(done));
    return !dialog->wasCanceled();
  }
  void end() override { dialog.reset(); }

  // The box counts in int; a file of spins never comes near its end.
  static int steps(long n) { return static_cast<int>(std::min<long>(n, 1L << 30)); }

  QtServices& s;
  long total_ = 0;
  std::unique_ptr<QProgressDialog> dialog;
  QElapsedTimer sinceUpdate;
};

QtServices::QtServices(std::filesystem::path folder)
    : folder_(std::move(folder)),
      dialogs_(std::make_unique<Dialogs_>(*this)),
      sound_(std::make_unique<Sound_>(folder_)),
      help_(std::make_unique<Help_>(folder_, mainWindow)),
      clock_(std::make_unique<Clock_>()),
      files_(std::make_unique<Files_>(*this)),
      progress_(std::make_unique<Progress_>(*this)) {}

QtServices::~QtServices() = default;

QWidget* QtServices::boxParent() const {
  if (QWidget* active = QApplication::activeWindow()) return active;
  return mainWindow ? mainWindow() : nullptr;
}

Services QtServices::services() {
  const QString environment =
      QString("OS : %1 (%2)\nQt : %3\n")
          .arg(QSysInfo::prettyProductName(), QSysInfo::currentCpuArchitecture(), qVersion());
  return Services{dialogs_.get(), sound_.get(), help_.get(),     clock_.get(),
                  &random_,       files_.get(), progress_.get(), environment.toStdString()};
}
