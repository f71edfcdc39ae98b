#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/file_result.h"

// The wheel book: every spin of every visit to a wheel, kept in a SQLite database that the
// player owns and may open with any SQLite tool (Data/Files/wheelbook.sqlite3; the README
// gives its schema). Numbers are written "0", "00", "1".."36", times in UTC ISO 8601.
//
// A commit writes to the database's write-ahead log and does not wait for the disk: a
// spin is in the book once its call returns, even if the program is killed a moment
// later. A thread of the book's own brings the log to the disk (a checkpoint) at most a
// second after a change, so a power cut loses at most the last second.

inline constexpr char WheelBookFile[] = "Data/Files/wheelbook.sqlite3";

enum class SpinOrigin { Entry, Import };

struct BookWheel {
  std::int64_t id = 0;
  std::string name;
  int pockets = 38;
  std::string note;
  std::string createdAt;
  long spins = 0;
  // The first and the last spin's time; empty while the wheel has none.
  std::string firstAt;
  std::string lastAt;
};

// A session with at least one spin.
struct BookSession {
  std::int64_t id = 0;
  std::string startedAt;
  std::string lastAt;
  long spins = 0;
};

// A spin as an export writes it.
struct BookSpinRow {
  std::string wheel;
  std::int64_t session = 0;
  int index = 0;
  std::string recordedAt;
};

struct BookOpening {
  FileResult result;
  // Where a damaged book was set aside (relative, as results name files); empty when the
  // book was sound or new.
  std::string setAside;
};

class WheelBook {
 public:
  WheelBook();
  ~WheelBook();
  WheelBook(const WheelBook&) = delete;
  WheelBook& operator=(const WheelBook&) = delete;

  // Opens the book at `file`, which results name `relative`, and brings its schema up to
  // date. A new book gets one wheel, "テーブル 1", with `pockets` pockets, as current. A
  // book that fails its check (not a database, truncated, a damaged page) is renamed
  // `<name>.damagedN` and a new one started in its place; the opening says so. A book
  // written by a newer program is left alone and not used.
  BookOpening open(const std::filesystem::path& file, std::string relative, int pockets,
                   std::int64_t now);
  bool isOpen() const;
  // Brings everything to the disk and closes; also done by the destructor.
  void close();

  // The wheel spins are recorded on; it survives the program's end.
  std::int64_t currentWheel() const { return currentWheel_; }
  FileResult chooseWheel(std::int64_t wheel);
  // A name already taken, or empty, is Malformed.
  FileRead<std::int64_t> addWheel(const std::string& name, int pockets, std::int64_t now);
  FileResult renameWheel(std::int64_t wheel, const std::string& name);
  FileRead<std::vector<BookWheel>> wheels();
  // Oldest first.
  FileRead<std::vector<BookSession>> sessions(std::int64_t wheel);
  FileResult deleteSession(std::int64_t session);

  FileRead<std::int64_t> startSession(std::int64_t wheel, std::int64_t now);
  // Appends a spin of number index `index` (0..37) to a session; gives the spin's id.
  FileRead<std::int64_t> appendSpin(std::int64_t session, int index, std::int64_t now,
                                    SpinOrigin origin);
  // Takes back a spin that an undo took back from the game.
  FileResult undoSpin(std::int64_t spin);
  // The id of the newest spin in the book; 0 when it holds none.
  FileRead<std::int64_t> newestSpin();

  // The book also knows how many spins the game holds, and which of its changes the game's
  // recovery files may not hold yet. A kill between a change of the book and the write
  // of the recovery files leaves the book one event ahead of the game that comes back;
  // settleGame takes that event back, so that the two agree.
  //
  // The recovery files now hold the game: its last changes are kept for good. The mark
  // goes into the book with its next spin or undo (or at close), in the same transaction,
  // so that an event costs the book one commit; until then the book is ahead of nothing
  // and settleGame leaves it as it is.
  FileResult confirmGame();
  // A new game of `spins` spins took the place of the old (clear, slot load, restore).
  FileResult setGame(long spins);
  // At start, before anything else is recorded: the game that comes back holds `spins`.
  FileResult settleGame(long spins);

  // The number indices of every spin of a wheel, oldest first.
  FileRead<std::vector<signed char>> wheelSpins(std::int64_t wheel);
  // Every spin of a wheel (`session` 0) or of one of its sessions, oldest first.
  FileRead<std::vector<BookSpinRow>> spinRows(std::int64_t wheel, std::int64_t session);

 private:
  // Writes a confirmation still due on its own.
  FileResult keepConfirmation();

  struct Db;
  std::unique_ptr<Db> db_;
  std::int64_t currentWheel_ = 0;
  bool confirmDue_ = false;
};
