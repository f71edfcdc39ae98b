#pragma once

#include <QLocalServer>
#include <filesystem>
#include <functional>

// Where a second start on the same data folder finds the program already running on it: a
// local socket named after the folder. The running program comes to the front when a
// second start knocks.
class FrontDoor {
 public:
  // Opens the door of the program that holds `dataFolder`; `comeForward` runs at each knock.
  // A door left behind by a program that ended without closing it is taken over.
  void open(const std::filesystem::path& dataFolder, std::function<void()> comeForward);
  // Asks the program running on `dataFolder` to come to the front; false when none answers.
  static bool knock(const std::filesystem::path& dataFolder);

 private:
  QLocalServer server_;
};
