#pragma once

#include <string>
#include <system_error>

// What became of one read or write of a file. The code that asked for it decides what
// the user is told.
struct FileResult {
  enum Outcome {
    Done,
    Missing,    // nothing stands under the name
    Malformed,  // read whole, but not what the file must hold
    Failed,     // the system refused a step; `reason` says why
  };

  Outcome outcome = Done;
  // The file as messages name it; empty when done.
  std::string path{};
  std::error_code reason{};

  bool done() const { return outcome == Done; }
};

// A read and what it gave; `value` stays as made unless the read is done.
template <class T>
struct FileRead {
  FileResult result;
  T value{};
};
