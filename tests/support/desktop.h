#pragma once

#include <QMainWindow>
#include <QTemporaryDir>
#include <filesystem>
#include <string>

#include "gui/front_end.h"

// A fresh folder for a program, removed with this object however the test ends. Declare
// it before the program that uses it, so that the program ends first.
class TestFolder {
 public:
  TestFolder();
  const std::filesystem::path& path() const { return path_; }

 private:
  QTemporaryDir dir_;
  std::filesystem::path path_;
};

// Data/Files/USER2.FIL with `firstLine` (status windows and options) and no areas.
void WriteWindowSettings(const std::filesystem::path& folder, const std::string& firstLine);

// The desktop program in a fresh folder of its own that holds what ships beside the
// program, started as a user starts it.
class Desktop {
 public:
  // `windowSettings`, when given, is the first line of USER2.FIL (status windows and
  // options, no areas); sound is then off.
  explicit Desktop(const std::string& windowSettings = "");

  App& app() { return frontEnd.app(); }
  QMainWindow* window(FormId id) const;
  QMainWindow* main() const { return window(FormId::Main_F); }
  // The widget of a control, or null when its window has no view.
  template <class W>
  W* find(FormId id, const QString& name) const {
    QMainWindow* w = window(id);
    return w ? w->findChild<W*>(name) : nullptr;
  }
  // Clicks the record button of number index i.
  void spin(int index);
  // Queues the answer to the next message box.
  void answer(BoxAnswer a) { frontEnd.services().scriptedAnswers.push_back(a); }

  const TestFolder home;
  const std::filesystem::path& folder = home.path();
  FrontEnd frontEnd;
};
