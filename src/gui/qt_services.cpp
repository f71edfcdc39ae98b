#include "gui/qt_services.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QPushButton>
#include <QSoundEffect>
#include <QTextBrowser>
#include <QUrl>

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
    QMessageBox box(icon == BoxIcon::Info       ? QMessageBox::Information
                    : icon == BoxIcon::Question ? QMessageBox::Question
                                                : QMessageBox::Critical,
                    QString::fromStdString(title), body,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    QApplication::activeWindow());
    // The program speaks Japanese, so do its buttons, with or without Qt's translations.
    if (yesNo) {
      box.button(QMessageBox::Yes)->setText(QString::fromUtf8("はい"));
      box.button(QMessageBox::No)->setText(QString::fromUtf8("いいえ"));
      box.setDefaultButton(buttons == BoxButtons::YesNo ? QMessageBox::Yes : QMessageBox::No);
      box.setEscapeButton(QMessageBox::No);
    }
    const int r = box.exec();
    if (!yesNo) return BoxAnswer::Ok;
    return r == QMessageBox::Yes ? BoxAnswer::Yes : BoxAnswer::No;
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
  explicit Help_(std::filesystem::path folder) : folder(std::move(folder)) {}
  void openContents() override { open(QString()); }
  void openTopic(int topic) override { open(QString("topic%1").arg(topic)); }
  void open(const QString& anchor) {
    if (!browser) {
      browser = std::make_unique<QTextBrowser>();
      browser->setWindowTitle("00 Varnet Help");
      browser->resize(640, 520);
    }
    QUrl url =
        QUrl::fromLocalFile(QString::fromStdString((folder / "00 VARNET HELP.html").string()));
    if (!anchor.isEmpty()) url.setFragment(anchor);
    browser->setSource(url);
    browser->show();
    browser->raise();
  }
  std::filesystem::path folder;
  std::unique_ptr<QTextBrowser> browser;
};

struct QtServices::Clock_ : Clock {
  std::string generalDate() override {
    return QDateTime::currentDateTime().toString("yyyy/MM/dd HH:mm:ss").toStdString();
  }
};

QtServices::QtServices(std::filesystem::path folder)
    : folder_(std::move(folder)),
      dialogs_(std::make_unique<Dialogs_>(*this)),
      sound_(std::make_unique<Sound_>(folder_)),
      help_(std::make_unique<Help_>(folder_)),
      clock_(std::make_unique<Clock_>()) {}

QtServices::~QtServices() = default;

Services QtServices::services() {
  return Services{dialogs_.get(), sound_.get(), help_.get(), clock_.get(), &random_};
}
