#pragma once

#include <QString>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

#include "core/clock_random.h"
#include "core/services.h"

class QSoundEffect;
class QTextBrowser;
class QWidget;

// The platform services of the desktop program.
class QtServices {
 public:
  explicit QtServices(std::filesystem::path folder);
  ~QtServices();
  Services services();

  // Runs before a modal box opens, so the windows show the state the box speaks of.
  std::function<void()> beforeModal;
  // The main window, for a box that opens while no window of the program is active.
  std::function<QWidget*()> mainWindow;
  // Answers for the next message boxes, taken instead of showing them (for tests).
  std::deque<BoxAnswer> scriptedAnswers;
  // Texts of the message boxes shown or answered so far (for tests).
  std::vector<std::string> shownTexts;
  // Paths for the next file dialogs, taken instead of showing them; "" cancels (for tests).
  std::deque<std::string> scriptedFiles;
  // A progress box shows once the work has run this long, and takes the count (and a
  // click on Cancel) this often; tests set both to 0 to show it and answer it at once.
  int progressShowAfterMs = 500;
  int progressUpdateEveryMs = 40;

 private:
  // The window a box opens over: the active one, or the main window while none is active
  // (a dialog that has just closed leaves none until events run again).
  QWidget* boxParent() const;

  struct Dialogs_;
  struct Sound_;
  struct Help_;
  struct Clock_;
  struct Files_;
  struct Progress_;

  std::filesystem::path folder_;
  ClockRandom random_;
  std::unique_ptr<Dialogs> dialogs_;
  std::unique_ptr<Sound> sound_;
  std::unique_ptr<Help> help_;
  std::unique_ptr<Clock> clock_;
  std::unique_ptr<FileDialogs> files_;
  std::unique_ptr<Progress> progress_;
};
